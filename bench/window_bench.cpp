// The main window, headless, with a list of 30,000 actions: start-up to the first shown
// window, opening the template into the list, the moves at each end, Remove, Clear, Make
// Script, a selection change and a full repaint of the list; with the live script view shown,
// one move and the opening. With a million actions: the window started with the file on its
// command line (to its first paint, and to the list read and painted), the moves at each end,
// Remove of the first action and End; Find and the script view on a million actions are
// script_view_bench.cpp's. Each is also a ratio to the core read of the same file, the least
// any opening can cost.
//
// With --write-template=N FILE it only writes a template of N actions; with
// --peak-memory=FILE it starts the window, opens FILE and prints the peak memory of the
// process, which must be a process of its own for the figure to mean anything; with
// --peak-memory-script-view=FILE the same with the script view shown.

#include "window_bench.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace kestrune::bench {
namespace {

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
        {"window/find-step/1000000", {0, 50}},
        {"window/script-view-move/1000000", {0, 5}},
        {"window/script-view-move-undo/1000000", {0, 5}},
        {"window/script-view-remove/1000000", {0, 5}},
        {"window/script-view-remove-undo/1000000", {0, 5}},
        {"window/script-view-properties/1000000", {0, 5}},
        {"window/script-view-properties-undo/1000000", {0, 5}},
        {"window/script-view-clear/1000000", {2, 0}},
        {"window/script-view-open/1000000", {2, 0}},
        {"window/script-view-show/1000000", {2, 0}},
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
        addBenchmark(name, function, iterations);
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
    registerViewBenchmarks();
}

}  // namespace

void addBenchmark(const char* name, std::function<void(benchmark::State&)> function,
                  int iterations) {
    auto* b = benchmark::RegisterBenchmark(name, std::move(function))
                  ->UseManualTime()
                  ->Unit(benchmark::kMillisecond);
    if (iterations > 0) {
        b->Iterations(iterations);
    }
}

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
            return peakMemory(one, argv, arg.substr(14), false, processStart);
        } else if (arg.rfind("--peak-memory-script-view=", 0) == 0) {
            int one = 1;
            return peakMemory(one, argv, arg.substr(26), true, processStart);
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
