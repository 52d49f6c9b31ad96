#include "files/file_state.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

// Inlined: the hash is compiled in and no xxHash library is linked.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kestrune {

struct ByteHash::State {
    XXH3_state_t* xxh = XXH3_createState();
    ~State() { XXH3_freeState(xxh); }
};

ByteHash::ByteHash() : state_(std::make_unique<State>()) {
    if (state_->xxh == nullptr) {
        throw std::bad_alloc();
    }
    XXH3_64bits_reset(state_->xxh);
}

ByteHash::~ByteHash() = default;

void ByteHash::add(std::string_view bytes) {
    XXH3_64bits_update(state_->xxh, bytes.data(), bytes.size());
}

std::uint64_t ByteHash::value() const {
    return XXH3_64bits_digest(state_->xxh);
}

std::uint64_t hashOfBytes(std::string_view bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

bool looksSame(const FileState& a, const FileState& b) {
    return a.device == b.device && a.file == b.file && a.size == b.size &&
           a.modified == b.modified && a.changed == b.changed;
}

std::optional<FileState> writtenState(const std::string& path, std::string_view bytes) {
    FileLook look = lookAtFile(path);
    if (look.missing || look.error) {
        return std::nullopt;
    }
    look.state.hash = hashOfBytes(bytes);
    return look.state;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads the file through the handle its state was taken from, so that the bytes hashed are
// that file's even when the name is given to another meanwhile.
DiskChange compareBytes(const std::string& path, const FileState& recorded) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return errno == ENOENT ? DiskChange::Deleted : DiskChange::Unknown;
    }
    const auto state = stateOfOpenFile(file.get());
    if (!state) {
        return DiskChange::Unknown;
    }
    if (!looksSame(*state, recorded)) {
        return DiskChange::Changed;
    }
    ByteHash hash;
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        hash.add({buffer, n});
    }
    if (std::ferror(file.get()) != 0) {
        return DiskChange::Unknown;
    }
    return hash.value() == recorded.hash ? DiskChange::None : DiskChange::Changed;
}

}  // namespace

DiskChange changeOnDisk(const std::string& path, const FileState& recorded, bool readBytes) {
    const FileLook look = lookAtFile(path);
    if (look.missing) {
        return DiskChange::Deleted;
    }
    if (look.error) {
        return DiskChange::Unknown;
    }
    if (!looksSame(look.state, recorded)) {
        return DiskChange::Changed;
    }
    if (!readBytes) {
        return DiskChange::None;
    }
    try {
        return compareBytes(path, recorded);
    } catch (const std::bad_alloc&) {
        return DiskChange::Unknown;
    }
}

bool sameFilePath(const std::string& a, const std::string& b) {
    std::error_code code;
    return a == b || std::filesystem::equivalent(a, b, code);
}

}  // namespace kestrune
