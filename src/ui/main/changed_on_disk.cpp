// The document's file in a shared folder: several administrators edit the same logon script,
// so a save never overwrites another program's change unseen, and the window tells of such a
// change when it becomes active again.

#include "core/cp1252_text.h"
#include "core/document.h"
#include "files/file_state.h"
#include "platform/text_codec.h"
#include "ui/main/document_commands.h"

namespace kestrune {

namespace texts = main_texts;

namespace {

QString aboutFile(std::string_view path, std::string_view message) {
    return texts::Tr(message).arg(MixedText(path));
}

}  // namespace

void DocumentCommands::recordOnDisk(const std::string& path, const FileResult& result) {
    const std::string own(trimmed(document_.documentPath));
    // A script made into another file leaves the document's file as it was recorded.
    if (!result.ok() || !sameFilePath(std::string(trimmed(path)), own)) {
        return;
    }
    told_.reset();
    if (result.state) {
        onDisk_ = OnDisk{own, *result.state};
    } else {
        onDisk_.reset();  // a device: nothing to compare
    }
}

DocumentCommands::Overwrite DocumentCommands::mayOverwrite(const std::string& path) {
    const std::string target(trimmed(path));
    if (!onDisk_ || !sameFilePath(target, onDisk_->path)) {
        return Overwrite::Go;
    }
    // Only here are the bytes read again: a save is worth it, an activation is not.
    switch (changeOnDisk(target, onDisk_->state, true)) {
        case DiskChange::None:
        case DiskChange::Unknown:  // a lost network mount: the write tells of it
            return Overwrite::Go;
        case DiskChange::Deleted:
            return Overwrite::Rewrite;
        case DiskChange::Changed:
            break;
    }
    // Asked about here, the change is not told of again when the window is next active.
    const FileLook look = lookAtFile(target);
    told_ = Seen{look.missing, look.state};
    const Answer answer =
        prompts_.message({aboutFile(target, texts::message::kChangedOverwrite), Utf8Text(kAppTitle),
                          MessageButtons::YesNo, MessageIcon::Question, Answer::No});
    return answer == Answer::Yes ? Overwrite::Go : Overwrite::Refused;
}

void DocumentCommands::toldRewritten(const std::string& path) {
    window_.setStatusText(aboutFile(trimmed(path), texts::message::kDeletedWritten));
}

void DocumentCommands::noticeChangesOnDisk() {
    if (!onDisk_ || onDisk_->path != trimmed(document_.documentPath)) {
        return;
    }
    // A copy: reading the file again records it anew.
    const std::string path = onDisk_->path;
    const FileLook look = lookAtFile(path);
    if (look.error) {
        return;  // not to be looked at now (a lost network mount): a save tells
    }
    if (!look.missing && looksSame(look.state, onDisk_->state)) {
        told_.reset();
        return;
    }
    const Seen seen{look.missing, look.missing ? FileState{} : look.state};
    if (told_ == seen) {
        return;
    }
    told_ = seen;
    if (look.missing) {
        window_.setStatusText(aboutFile(path, texts::message::kDeleted));
    } else if (document_.modified) {
        window_.setStatusText(aboutFile(path, texts::message::kChangedUnsaved));
    } else if (prompts_.message({aboutFile(path, texts::message::kChangedReload),
                                 Utf8Text(kAppTitle), MessageButtons::YesNo, MessageIcon::Question,
                                 std::nullopt}) == Answer::Yes) {
        // As Open reads it: the undo steps of the old list go with it.
        openDocument(path);
        document_.markSaved();
        settled(false);
    }
}

}  // namespace kestrune
