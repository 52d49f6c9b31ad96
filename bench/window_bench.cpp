// The main window, headless, with a list of 30,000 actions: start-up to the first shown
// window, opening the template into the list, the moves at each end, Remove, Clear, Make
// Script, a selection change and a full repaint of the list; with the live script view shown,
// one move and the opening. With a million actions: the window started with the file on its
// command line (to its first paint, and to the list read and painted), the moves at each end,
// Remove of the first action and End. Each is also a ratio to the core read of the same
// file, the least any opening can cost.
//
// With --write-template=N FILE it only writes a template of N actions; with
// --peak-memory=FILE it starts the window, opens FILE and prints the peak memory of the
// process, which must be a process of its own for the figure to mean anything.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/action_list.h"
#include "files/template_format.h"
#include "launch_doubles.h"
#include "memory_settings_store.h"
#include "platform/recent_network_paths.h"
#include "scripted_prompts.h"
#include "site_list.h"
#include "table_reporter.h"
#include "ui/main/action_list_model.h"
#include "ui/main/action_list_view.h"
#include "ui/main/app_state.h"
#include "ui/main/main_window.h"
#include "ui/main/program_entry.h"

namespace kestrune::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 30000;
constexpr int kMillion = 1000000;

// Like any system but Windows: no list of recently used network paths.
class NoRecentNetworkPaths : public RecentNetworkPaths {
  public:
    RecentNetworkNames ReadRecentNetworkPaths() override { return {2, {}, false}; }
};

// When a widget first paints, and how long its list was then.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* widget, const ActionListModel& model) : model_(model) {
        widget->installEventFilter(this);
    }

    Clock::time_point at{};
    int rows = -1;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && rows < 0) {
            at = Clock::now();
            rows = model_.rowCount();
        }
        return false;
    }

  private:
    const ActionListModel& model_;
};

// The window with settings in memory, scripted prompts and services that start nothing;
// its program folder is a temporary one.
struct Window {
    // With a path, the window opens it as it does the file named on its command line.
    explicit Window(const std::string& commandLine = {}) {
        window = std::make_unique<MainWindow>(state, store, prompts,
                                              SystemServices{programs, shell, lookup});
        window->setProgramFolder(programDir.path());
        firstPaint = std::make_unique<FirstPaint>(window->lstAction()->viewport(), window->model());
        window->showAtStart();
        OpenFromCommandLine(*window, commandLine);
        if (!QTest::qWaitForWindowExposed(window.get())) {
            std::fprintf(stderr, "the window was never shown\n");
            std::abort();
        }
    }

    test::MemorySettingsStore store;
    NoRecentNetworkPaths recentPaths;
    AppState state{store, recentPaths};
    test::ScriptedPrompts prompts;
    test::RecordingProgramStarter programs;
    test::RecordingShellOpener shell;
    test::FixedSystemLookup lookup;
    QTemporaryDir programDir;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<FirstPaint> firstPaint;
};

bool writeTemplate(std::size_t size, const std::string& path) {
    const RenderedFile file = renderTemplate(siteList(size));
    std::ofstream out(path, std::ios::binary);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    return !file.failedRow && out.good();
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A template of so many actions, written on first use.
const std::string& listPath(int rows = kRows) {
    static std::map<int, std::string> paths;
    auto found = paths.find(rows);
    if (found == paths.end()) {
        const QString name = QStringLiteral("site%1.lst").arg(rows);
        std::string made = QFile::encodeName(folder().filePath(name)).toStdString();
        if (!writeTemplate(static_cast<std::size_t>(rows), made)) {
            std::fprintf(stderr, "could not write %s\n", made.c_str());
            std::abort();
        }
        found = paths.emplace(rows, std::move(made)).first;
    }
    return found->second;
}

// The windows the list benchmarks share, one per list length: made on first use, gone
// before the application.
std::map<int, std::unique_ptr<Window>>& sharedWindows() {
    static std::map<int, std::unique_ptr<Window>> windows;
    return windows;
}

Window& shared(int rows = kRows) {
    std::unique_ptr<Window>& window = sharedWindows()[rows];
    if (!window) {
        window = std::make_unique<Window>();
    }
    return *window;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void settle() {
    QApplication::processEvents();
}

// Opens the list through File > Open, as the user does; true when it holds every row.
bool openList(Window& w, int rows = kRows) {
    if (w.window->document().modified) {
        w.prompts.answers.push_back(Answer::No);  // never save over the benchmark's file
    }
    w.prompts.files.push_back(QFile::decodeName(QByteArray::fromStdString(listPath(rows))));
    w.window->action(Command::Open, Route::Menu)->trigger();
    settle();
    return w.window->model().rowCount() == rows;
}

// Reopens the list when a benchmark before has changed its length by more than a few rows:
// reading a million actions again after each Remove would make the run long.
bool ensureList(Window& w, int rows = kRows) {
    const int now = w.window->model().rowCount();
    return (now <= rows && now >= rows - 100) || openList(w, rows);
}

void select(Window& w, int row) {
    w.window->lstAction()->setCurrentIndex(w.window->model().index(row, 0));
    settle();
}

// The floor: readTemplateFile into an empty list, as the window's Open does.
void coreRead(benchmark::State& state, int rows) {
    const std::string& path = listPath(rows);
    for (auto _ : state) {
        ActionList list;
        const Clock::time_point start = Clock::now();
        const FileResult result = readTemplateFile(path, list);
        state.SetIterationTime(secondsSince(start));
        if (!result.ok() || list.size() != static_cast<std::size_t>(rows)) {
            state.SkipWithError("the core read failed");
            return;
        }
    }
}

void startUp(benchmark::State& state) {
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        Window w;
        state.SetIterationTime(secondsSince(start));
    }
}

void open(benchmark::State& state) {
    Window& w = shared();
    for (auto _ : state) {
        w.window->model().clear();
        settle();
        const Clock::time_point start = Clock::now();
        const bool whole = openList(w);
        state.SetIterationTime(secondsSince(start));
        if (!whole) {
            state.SkipWithError("the list was not opened");
            return;
        }
    }
}

// The window started with the file on its command line: to its first paint when firstPaint,
// else until the list is read and painted.
void commandLineOpen(benchmark::State& state, int rows, bool firstPaint) {
    const std::string& path = listPath(rows);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        Window w(path);
        while (w.window->model().rowCount() != rows) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        w.window->lstAction()->viewport()->repaint();
        const Clock::time_point end = firstPaint ? w.firstPaint->at : Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (w.firstPaint->rows != 0) {
            state.SkipWithError("the list was read before the window was painted");
            return;
        }
    }
}

// One press of a toolbar button with the given row selected (from the end when negative).
void pressWithRow(benchmark::State& state, Command button, int row, int rows = kRows) {
    Window& w = shared(rows);
    for (auto _ : state) {
        if (!ensureList(w, rows)) {
            state.SkipWithError("the list was not opened");
            return;
        }
        select(w, row < 0 ? w.window->model().rowCount() + row : row);
        const Clock::time_point start = Clock::now();
        w.window->action(button, Route::Toolbar)->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
    }
}

// End pressed in the list with its first action selected.
void endKey(benchmark::State& state, int rows) {
    Window& w = shared(rows);
    for (auto _ : state) {
        if (!ensureList(w, rows)) {
            state.SkipWithError("the list was not opened");
            return;
        }
        select(w, 0);
        const Clock::time_point start = Clock::now();
        QTest::keyClick(w.window->lstAction(), Qt::Key_End);
        settle();
        state.SetIterationTime(secondsSince(start));
        if (w.window->selectedRow() != w.window->model().rowCount() - 1) {
            state.SkipWithError("End did not select the last action");
            return;
        }
    }
}

void clear(benchmark::State& state) {
    Window& w = shared();
    for (auto _ : state) {
        if (!ensureList(w)) {
            state.SkipWithError("the list was not opened");
            return;
        }
        w.prompts.answers.push_back(Answer::Yes);
        const Clock::time_point start = Clock::now();
        w.window->action(Command::Clear, Route::PopUp)->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
        if (w.window->model().rowCount() != 0) {
            state.SkipWithError("the list was not cleared");
            return;
        }
    }
}

void makeScript(benchmark::State& state) {
    Window& w = shared();
    const QString script = folder().filePath(QStringLiteral("site.bat"));
    for (auto _ : state) {
        if (!ensureList(w)) {
            state.SkipWithError("the list was not opened");
            return;
        }
        QFile::remove(script);
        w.prompts.files.push_back(script);
        const Clock::time_point start = Clock::now();
        w.window->action(Command::Make, Route::Menu)->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
        if (!QFile::exists(script)) {
            state.SkipWithError("no script was made");
            return;
        }
    }
}

// The arrow keys in the middle of the list, down and up by turns.
void selectionChange(benchmark::State& state) {
    Window& w = shared();
    if (!ensureList(w)) {
        state.SkipWithError("the list was not opened");
        return;
    }
    select(w, kRows / 2);
    ActionListView* list = w.window->lstAction();
    bool down = true;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        settle();
        state.SetIterationTime(secondsSince(start));
        down = !down;
    }
}

void repaint(benchmark::State& state) {
    Window& w = shared();
    if (!ensureList(w)) {
        state.SkipWithError("the list was not opened");
        return;
    }
    QWidget* viewport = w.window->lstAction()->viewport();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        viewport->repaint();
        state.SetIterationTime(secondsSince(start));
    }
}

// With the script view shown, which renders the whole script again on every change.
void withScriptView(Window& w, bool shown) {
    w.window->scriptDock()->setVisible(shown);
    settle();
}

// One press of Down in the middle of the list: the move, and the view following it.
void scriptViewMove(benchmark::State& state) {
    Window& w = shared();
    withScriptView(w, true);
    for (auto _ : state) {
        if (!ensureList(w)) {
            state.SkipWithError("the list was not opened");
            break;
        }
        select(w, kRows / 2);
        const Clock::time_point start = Clock::now();
        w.window->action(Command::Down, Route::Toolbar)->trigger();
        settle();
        state.SetIterationTime(secondsSince(start));
    }
    withScriptView(w, false);
}

void scriptViewOpen(benchmark::State& state) {
    Window& w = shared();
    withScriptView(w, true);
    for (auto _ : state) {
        w.window->model().clear();
        settle();
        const Clock::time_point start = Clock::now();
        const bool whole = openList(w);
        state.SetIterationTime(secondsSince(start));
        if (!whole) {
            state.SkipWithError("the list was not opened");
            break;
        }
    }
    withScriptView(w, false);
}

// The goal of each benchmark: at most so many times the core read, or under so many
// milliseconds.
struct Goal {
    double maxRatio = 0;
    double maxMilliseconds = 0;
};

const std::map<std::string, Goal>& goals() {
    static const std::map<std::string, Goal> all = {
        {"window/start-up", {0, 300}},
        {"window/open/30000", {3, 0}},
        {"window/move-up-first/30000", {0, 5}},
        {"window/move-up-last/30000", {0, 5}},
        {"window/move-down-first/30000", {0, 5}},
        {"window/move-down-last/30000", {0, 5}},
        {"window/remove-first/30000", {0, 5}},
        {"window/remove-last/30000", {0, 5}},
        {"window/select/30000", {0, 5}},
        {"window/script-view-move/30000", {1, 0}},
        {"window/script-view-open/30000", {4, 0}},
        {"window/move-up-first/1000000", {0, 5}},
        {"window/move-up-last/1000000", {0, 5}},
        {"window/move-down-first/1000000", {0, 5}},
        {"window/move-down-last/1000000", {0, 5}},
        {"window/remove-first/1000000", {0, 5}},
        {"window/end/1000000", {0, 5}},
    };
    return all;
}

constexpr const char* kFloor = "window/core-read/30000";
constexpr const char* kMillionFloor = "window/core-read/1000000";

// The core read of the same file: the one of a million actions for the benchmarks on them.
const char* floorOf(const std::string& name) {
    const std::string million = "/1000000";
    const bool onMillion = name.size() > million.size() &&
                           name.compare(name.size() - million.size(), million.size(), million) == 0;
    return onMillion ? kMillionFloor : kFloor;
}

// Median times in milliseconds, each beside the core read and its goal.
class WindowReporter : public benchmark::BenchmarkReporter {
  public:
    explicit WindowReporter(bool header) : header_(header) {}

    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool wanted = run.run_type == Run::RT_Aggregate ? run.aggregate_name == "median"
                                                                  : run.repetitions <= 1;
            if (!wanted || run.error_occurred) {
                continue;
            }
            const double ms = run.GetAdjustedRealTime() *
                              benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                              benchmark::GetTimeUnitMultiplier(run.time_unit);
            // The name as registered, without the iteration count and the kind of timing.
            const std::string name = run.run_name.function_name;
            if (milliseconds_.emplace(name, ms).second) {
                order_.push_back(name);
            }
        }
    }

    void Finalize() override {
        if (header_) {
            printTableHeader();
        }
        for (const std::string& name : order_) {
            const double ms = milliseconds_.at(name);
            const auto floor = milliseconds_.find(floorOf(name));
            std::string ratio = "-";
            if (floor != milliseconds_.end()) {
                ratio = ratioText(ms / floor->second);
            }
            std::string goal;
            const auto found = goals().find(name);
            if (found != goals().end()) {
                const Goal& g = found->second;
                char text[64];
                bool met = true;
                if (g.maxRatio > 0) {
                    met = floor != milliseconds_.end() && ms / floor->second <= g.maxRatio;
                    std::snprintf(text, sizeof text, "<= %.0fx", g.maxRatio);
                } else {
                    met = ms < g.maxMilliseconds;
                    std::snprintf(text, sizeof text, "< %.0f ms", g.maxMilliseconds);
                }
                goal = std::string(text) + (met ? " met" : " NOT MET");
            }
            printTableRow(name, ms, "ms", ratio, "core read", goal);
        }
    }

  private:
    bool header_;
    std::map<std::string, double> milliseconds_;
    std::vector<std::string> order_;
};

void registerAll() {
    const auto add = [](const char* name, auto function, int iterations) {
        auto* b = benchmark::RegisterBenchmark(name, function)
                      ->UseManualTime()
                      ->Unit(benchmark::kMillisecond);
        if (iterations > 0) {
            b->Iterations(iterations);
        }
    };
    add(
        kFloor, [](benchmark::State& s) { coreRead(s, kRows); }, 0);
    add("window/start-up", startUp, 10);
    add("window/open/30000", open, 10);
    // Each move, Remove and selection is a few milliseconds at most, but the setup
    // between them is not timed and may be slow: a fixed count keeps the run short.
    add(
        "window/move-up-first/30000", [](benchmark::State& s) { pressWithRow(s, Command::Up, 1); },
        200);
    add(
        "window/move-up-last/30000", [](benchmark::State& s) { pressWithRow(s, Command::Up, -1); },
        200);
    add(
        "window/move-down-first/30000",
        [](benchmark::State& s) { pressWithRow(s, Command::Down, 0); }, 200);
    add(
        "window/move-down-last/30000",
        [](benchmark::State& s) { pressWithRow(s, Command::Down, -2); }, 200);
    add(
        "window/remove-first/30000",
        [](benchmark::State& s) { pressWithRow(s, Command::Remove, 0); }, 20);
    add(
        "window/remove-last/30000",
        [](benchmark::State& s) { pressWithRow(s, Command::Remove, -1); }, 20);
    add("window/select/30000", selectionChange, 200);
    add("window/clear/30000", clear, 10);
    add("window/make-script/30000", makeScript, 10);
    add("window/repaint/30000", repaint, 0);
    add("window/script-view-move/30000", scriptViewMove, 20);
    add("window/script-view-open/30000", scriptViewOpen, 10);

    add(
        kMillionFloor, [](benchmark::State& s) { coreRead(s, kMillion); }, 3);
    add(
        "window/first-paint/1000000",
        [](benchmark::State& s) { commandLineOpen(s, kMillion, true); }, 3);
    add(
        "window/open/1000000", [](benchmark::State& s) { commandLineOpen(s, kMillion, false); }, 3);
    add(
        "window/move-up-first/1000000",
        [](benchmark::State& s) { pressWithRow(s, Command::Up, 1, kMillion); }, 50);
    add(
        "window/move-up-last/1000000",
        [](benchmark::State& s) { pressWithRow(s, Command::Up, -1, kMillion); }, 50);
    add(
        "window/move-down-first/1000000",
        [](benchmark::State& s) { pressWithRow(s, Command::Down, 0, kMillion); }, 50);
    add(
        "window/move-down-last/1000000",
        [](benchmark::State& s) { pressWithRow(s, Command::Down, -2, kMillion); }, 50);
    add(
        "window/remove-first/1000000",
        [](benchmark::State& s) { pressWithRow(s, Command::Remove, 0, kMillion); }, 20);
    add(
        "window/end/1000000", [](benchmark::State& s) { endKey(s, kMillion); }, 50);
}

// The peak resident size of this process so far, in megabytes.
double peakMegabytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    char line[256];
    double kilobytes = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kilobytes = std::atof(line + 6);
        }
    }
    std::fclose(status);
    return kilobytes / 1024;
}

int peakMemory(int argc, char** argv, const std::string& path, Clock::time_point processStart) {
    QApplication app(argc, argv);
    Window w;
    const double startUpMs = secondsSince(processStart) * 1000;
    const double emptyMb = peakMegabytes();
    w.prompts.files.push_back(QFile::decodeName(QByteArray::fromStdString(path)));
    w.window->action(Command::Open, Route::Menu)->trigger();
    settle();
    w.window->lstAction()->viewport()->repaint();
    const double fullMb = peakMegabytes();
    const int rows = w.window->model().rowCount();
    printTableRow("window/process-start-up", startUpMs, "ms", "-", "",
                  startUpMs < 300 ? "< 300 ms met" : "< 300 ms NOT MET");
    printTableRow("window/peak-memory/empty", emptyMb, "MB", "1.00", "empty", "");
    const double goalMb = rows >= kMillion ? 150 : 100;
    const std::string goal = "< " + std::to_string(static_cast<int>(goalMb)) + " MB";
    printTableRow("window/peak-memory/" + std::to_string(rows), fullMb, "MB",
                  ratioText(fullMb / emptyMb), "empty",
                  goal + (fullMb < goalMb ? " met" : " NOT MET"));
    return rows > 0 ? 0 : 1;
}

}  // namespace
}  // namespace kestrune::bench

int main(int argc, char** argv) {
    using namespace kestrune::bench;
    const Clock::time_point processStart = Clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The headless platform warns of what it can't do (size hints, for one); the table is
    // what this program prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    });
    bool header = true;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-header") {
            header = false;
        } else if (arg.rfind("--write-template=", 0) == 0 && i + 1 < argc) {
            const auto size = std::strtoull(arg.c_str() + 17, nullptr, 10);
            return writeTemplate(size, argv[i + 1]) ? 0 : 1;
        } else if (arg.rfind("--peak-memory=", 0) == 0) {
            int one = 1;
            return peakMemory(one, argv, arg.substr(14), processStart);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(rest.size());
    rest.push_back(nullptr);
    QApplication app(count, rest.data());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data())) {
        return 1;
    }
    registerAll();
    WindowReporter table(header);
    benchmark::RunSpecifiedBenchmarks(&table);
    sharedWindows().clear();
    benchmark::Shutdown();
    return 0;
}
