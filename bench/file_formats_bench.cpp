// Throughput of the template and batch script readers and writers on lists of 1,000, 30,000
// and 100,000 actions of every kind, beside the floor of merely splitting the same bytes
// into lines.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "core/action_list.h"
#include "files/line_cursor.h"
#include "files/script_format.h"
#include "files/template_format.h"
#include "site_list.h"
#include "table_reporter.h"

namespace kestrune::bench {
namespace {

struct Texts {
    ActionList list;
    std::string templateBytes;
    std::string scriptBytes;
};

// Made once per size, outside the timed loops.
const Texts& textsOf(std::size_t size) {
    static std::map<std::size_t, Texts> made;
    auto found = made.find(size);
    if (found == made.end()) {
        Texts texts;
        texts.list = siteList(size);
        RenderedFile templateFile = renderTemplate(texts.list);
        RenderedFile scriptFile = renderScript(texts.list);
        // A refused action would cut the files short and every figure with them.
        if (templateFile.failedRow || scriptFile.failedRow) {
            std::fprintf(stderr, "the benchmark list holds an action that can't be written\n");
            std::abort();
        }
        texts.templateBytes = std::move(templateFile.bytes);
        texts.scriptBytes = std::move(scriptFile.bytes);
        found = made.emplace(size, std::move(texts)).first;
    }
    return found->second;
}

enum class Format { Template, Script };

const std::string& bytesOf(Format format, std::size_t size) {
    const Texts& texts = textsOf(size);
    return format == Format::Template ? texts.templateBytes : texts.scriptBytes;
}

std::size_t sizeOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void setBytes(benchmark::State& state, std::size_t bytesPerIteration) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytesPerIteration));
}

// The floor: the readers' own line splitting, touching every line and nothing more.
void lines(benchmark::State& state, Format format) {
    const std::string& bytes = bytesOf(format, sizeOf(state));
    for (auto _ : state) {
        LineCursor cursor(bytes);
        std::string_view line;
        std::size_t count = 0;
        while (cursor.next(line)) {
            benchmark::DoNotOptimize(line);
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    setBytes(state, bytes.size());
}

// For scale: the C library's memchr finding the line feeds.
void memchrLines(benchmark::State& state, Format format) {
    const std::string& bytes = bytesOf(format, sizeOf(state));
    for (auto _ : state) {
        const char* p = bytes.data();
        const char* const end = p + bytes.size();
        std::size_t count = 0;
        while (const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            p = static_cast<const char*>(found) + 1;
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    setBytes(state, bytes.size());
}

void read(benchmark::State& state, Format format) {
    const std::string& bytes = bytesOf(format, sizeOf(state));
    // Each read replaces what the one before filled in, as opening a file over another does.
    ActionList list;
    for (auto _ : state) {
        ItemKeySource keys(1);
        const FileResult result = format == Format::Template
                                      ? parseTemplate(bytes, "bench.lst", list, keys)
                                      : parseScript(bytes, list, keys);
        if (!result.ok()) {
            state.SkipWithError(result.message.c_str());
            return;
        }
        benchmark::DoNotOptimize(list);
    }
    setBytes(state, bytes.size());
}

void write(benchmark::State& state, Format format) {
    const ActionList& list = textsOf(sizeOf(state)).list;
    std::size_t written = 0;
    for (auto _ : state) {
        const RenderedFile file =
            format == Format::Template ? renderTemplate(list) : renderScript(list);
        written = file.bytes.size();
        benchmark::DoNotOptimize(file.bytes.data());
    }
    setBytes(state, written);
}

void registerAll() {
    const std::pair<const char*, Format> formats[] = {{"template", Format::Template},
                                                      {"script", Format::Script}};
    const std::pair<const char*, void (*)(benchmark::State&, Format)> tasks[] = {
        {"lines", lines}, {"memchr", memchrLines}, {"read", read}, {"write", write}};
    for (const auto& [formatName, format] : formats) {
        for (const std::int64_t size : {1000, 30000, 100000}) {
            for (const auto& [taskName, task] : tasks) {
                const std::string name = std::string(formatName) + "/" + taskName;
                benchmark::RegisterBenchmark(name.c_str(), task, format)
                    ->Arg(size)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

}  // namespace
}  // namespace kestrune::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    kestrune::bench::registerAll();
    kestrune::bench::TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
