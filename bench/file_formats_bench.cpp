// Throughput of the template and batch script readers and writers on lists of 1,000, 30,000
// and 100,000 actions of every kind, plain, with options ("options-" groups) and under
// conditions ("conditions-" groups), beside the
// floor of merely splitting the same bytes into lines; then kestrune-cli show of a million-action
// template, its time beside that of an awk script listing the same sections
// (bench/show_sections.awk) and its peak memory; and kestrune-cli check of 100,000 mappings of
// one drive letter, its time and peak memory.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

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

enum class Site { Plain, Options, Conditions };

struct Format {
    Site site;
    bool isTemplate;
};

// Made once per list and size, outside the timed loops.
std::map<std::pair<Site, std::size_t>, Texts> made;

const Texts& textsOf(Site site, std::size_t size) {
    auto found = made.find({site, size});
    if (found == made.end()) {
        Texts texts;
        texts.list = site == Site::Options      ? optionedList(size)
                     : site == Site::Conditions ? conditionedList(size)
                                                : siteList(size);
        RenderedFile templateFile = renderTemplate(texts.list);
        RenderedFile scriptFile = renderScript(texts.list);
        // A refused action would cut the files short and every figure with them.
        if (templateFile.failedRow || scriptFile.failedRow) {
            std::fprintf(stderr, "the benchmark list holds an action that can't be written\n");
            std::abort();
        }
        texts.templateBytes = std::move(templateFile.bytes);
        texts.scriptBytes = std::move(scriptFile.bytes);
        found = made.emplace(std::pair(site, size), std::move(texts)).first;
    }
    return found->second;
}

const std::string& bytesOf(Format format, std::size_t size) {
    const Texts& texts = textsOf(format.site, size);
    return format.isTemplate ? texts.templateBytes : texts.scriptBytes;
}

std::size_t sizeOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void setBytes(benchmark::State& state, std::size_t bytesPerIteration) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytesPerIteration));
}

// The floor: the readers' own line splitting, touching every line and nothing more.
std::size_t splitLines(const std::string& bytes) {
    LineCursor cursor(bytes);
    std::string_view line;
    std::size_t count = 0;
    while (cursor.next(line)) {
        benchmark::DoNotOptimize(line);
        ++count;
    }
    return count;
}

void lines(benchmark::State& state, Format format) {
    const std::string& bytes = bytesOf(format, sizeOf(state));
    for (auto _ : state) {
        benchmark::DoNotOptimize(splitLines(bytes));
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

using Clock = std::chrono::steady_clock;

// The thread's own CPU time: on a shared machine the wall clock also counts the time the
// thread waited for a core.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times task, each iteration beside a pass of the floor over the same bytes: the machine's
// speed drifts between runs, so each run's ratio is taken within the run.
template <typename Task>
void pairedWithFloor(benchmark::State& state, const std::string& floorBytes, Task task) {
    double floorTime = 0;
    double taskTime = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(splitLines(floorBytes));
        const double between = threadSeconds();
        if (!task()) {
            return;
        }
        const double end = threadSeconds();
        floorTime += between - start;
        taskTime += end - between;
        state.SetIterationTime(end - between);
    }
    // Throughput over the floor's, on the same bytes.
    state.counters[std::string(kRatioCounter)] = floorTime / taskTime;
}

void read(benchmark::State& state, Format format) {
    const std::string& bytes = bytesOf(format, sizeOf(state));
    // Each read replaces what the one before filled in, as opening a file over another does.
    ActionList list;
    pairedWithFloor(state, bytes, [&] {
        const FileResult result =
            format.isTemplate ? parseTemplate(bytes, "bench.lst", list) : parseScript(bytes, list);
        if (!result.ok()) {
            state.SkipWithError(EnglishText(result.message).c_str());
            return false;
        }
        benchmark::DoNotOptimize(list);
        return true;
    });
    setBytes(state, bytes.size());
}

void write(benchmark::State& state, Format format) {
    const ActionList& list = textsOf(format.site, sizeOf(state)).list;
    const std::string& bytes = bytesOf(format, sizeOf(state));
    pairedWithFloor(state, bytes, [&] {
        const RenderedFile file = format.isTemplate ? renderTemplate(list) : renderScript(list);
        benchmark::DoNotOptimize(file.bytes.data());
        return true;
    });
    setBytes(state, bytes.size());
}

void registerAll() {
    const std::pair<const char*, Format> formats[] = {
        {"template", {Site::Plain, true}},
        {"script", {Site::Plain, false}},
        {"options-template", {Site::Options, true}},
        {"options-script", {Site::Options, false}},
        {"conditions-template", {Site::Conditions, true}},
        {"conditions-script", {Site::Conditions, false}}};
    const std::pair<const char*, void (*)(benchmark::State&, Format)> tasks[] = {
        {"lines", lines}, {"memchr", memchrLines}, {"read", read}, {"write", write}};
    for (const auto& [formatName, format] : formats) {
        for (const std::int64_t size : {1000, 30000, 100000}) {
            for (const auto& [taskName, task] : tasks) {
                const std::string name = std::string(formatName) + "/" + taskName;
                auto* registered = benchmark::RegisterBenchmark(name.c_str(), task, format)
                                       ->Arg(size)
                                       ->Unit(benchmark::kMicrosecond);
                if (task == read || task == write) {
                    registered->UseManualTime();
                }
            }
        }
    }
}

// --- kestrune-cli show of a million actions, against an awk script listing the same file --

struct ChildRun {
    double seconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

// Runs the program with its output thrown away: its wall time and its own peak memory; ok
// when it exits with the status expected.
ChildRun runChild(const std::vector<std::string>& args, int expected = 0) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    ChildRun run;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        return run;
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return run;
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;  // KiB on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == expected;
    return run;
}

// The best of three runs: the others waited for the shared machine.
ChildRun bestOfThree(const std::vector<std::string>& args, int expected = 0) {
    ChildRun best;
    for (int i = 0; i < 3; ++i) {
        const ChildRun run = runChild(args, expected);
        if (!run.ok) {
            return run;
        }
        if (!best.ok || run.seconds < best.seconds) {
            best = run;
        }
        best.peakMegabytes = std::max(best.peakMegabytes, run.peakMegabytes);
    }
    return best;
}

constexpr std::size_t kShowActions = 1'000'000;
constexpr double kShowMemoryGoalMb = 120;

// A child's peak memory starts from its parent's resident size at the fork (Linux keeps the
// higher of the two across exec): the lists and texts the benchmarks made go back first.
void forgetTexts() {
    made.clear();
    malloc_trim(0);
}

void showAgainstAwk() {
    char folder[] = "/tmp/kestrune-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return;
    }
    const std::string path = std::string(folder) + "/site.lst";
    {
        const RenderedFile file = renderTemplate(siteList(kShowActions));
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (out == nullptr ||
            std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) != file.bytes.size() ||
            std::fclose(out) != 0) {
            std::perror(path.c_str());
            return;
        }
    }
    const ChildRun cli = bestOfThree({KESTRUNE_CLI, "show", path});
    const ChildRun awk = bestOfThree({"awk", "-f", KESTRUNE_BENCH_DIR "/show_sections.awk", path});
    std::remove(path.c_str());
    rmdir(folder);
    if (!cli.ok || !awk.ok) {
        std::fprintf(stderr, "kestrune-cli show or awk failed\n");
        return;
    }
    const std::string size = std::to_string(kShowActions);
    const double ratio = cli.seconds / awk.seconds;
    printTableRow("show/awk/" + size, awk.seconds * 1000, "ms", "1.00", "awk", "");
    printTableRow("show/kestrune-cli/" + size, cli.seconds * 1000, "ms", ratioText(ratio), "awk",
                  ratio <= 1.0 ? "<= 1x met" : "<= 1x NOT MET");
    printTableRow("show/peak-memory/" + size, cli.peakMegabytes, "MB", "-", "",
                  cli.peakMegabytes <= kShowMemoryGoalMb ? "<= 120 MB met" : "<= 120 MB NOT MET");
}

// --- kestrune-cli check of one drive letter mapped over and over -------------------------

constexpr std::size_t kCheckActions = 100'000;

// Every action maps G: again on a server that refuses the connection (a closed port), so the
// time is the report's own: its duplicate warnings, one line per action.
void checkOfOneLetter() {
    char folder[] = "/tmp/kestrune-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return;
    }
    const std::string path = std::string(folder) + "/dup.bat";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    for (std::size_t i = 0; out != nullptr && i < kCheckActions; ++i) {
        std::fputs("net use G: \\\\SRV\\SHARE\r\n", out);
    }
    if (out == nullptr || std::fclose(out) != 0) {
        std::perror(path.c_str());
        return;
    }
    // Exit status 1: every action has a problem.
    const ChildRun check =
        bestOfThree({KESTRUNE_CLI, "check", path, "--server", "SRV=127.0.0.1:1"}, 1);
    std::remove(path.c_str());
    rmdir(folder);
    if (!check.ok) {
        std::fprintf(stderr, "kestrune-cli check failed\n");
        return;
    }
    const std::string size = std::to_string(kCheckActions);
    printTableRow("check/kestrune-cli/" + size, check.seconds * 1000, "ms", "-", "",
                  check.seconds < 1 ? "< 1 s met" : "< 1 s NOT MET");
    printTableRow("check/peak-memory/" + size, check.peakMegabytes, "MB", "-", "",
                  check.peakMegabytes <= kShowMemoryGoalMb ? "<= 120 MB met" : "<= 120 MB NOT MET");
}

}  // namespace
}  // namespace kestrune::bench

int main(int argc, char** argv) {
    // The show comparison and the check run unless a filter leaves them out.
    bool show = true;
    bool check = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--benchmark_filter=")) {
            show = arg.find("show") != std::string_view::npos;
            check = arg.find("check") != std::string_view::npos;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    kestrune::bench::registerAll();
    kestrune::bench::TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    if ((show || check) && !table.printed()) {
        kestrune::bench::printTableHeader();
    }
    kestrune::bench::forgetTexts();
    if (show) {
        kestrune::bench::showAgainstAwk();
    }
    if (check) {
        kestrune::bench::checkOfOneLetter();
    }
    return 0;
}
