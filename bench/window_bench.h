#pragma once

// What the window benchmarks share: the window with settings in memory, scripted prompts and
// services that start nothing; the templates they open, written once; the windows they share,
// one per list length; and the steps that bring a window to the list a benchmark wants.

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
#include <functional>
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

inline bool writeTemplate(std::size_t size, const std::string& path) {
    const RenderedFile file = renderTemplate(siteList(size));
    std::ofstream out(path, std::ios::binary);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    return !file.failedRow && out.good();
}

inline QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A template of so many actions, written on first use.
inline const std::string& listPath(int rows = kRows) {
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
inline std::map<int, std::unique_ptr<Window>>& sharedWindows() {
    static std::map<int, std::unique_ptr<Window>> windows;
    return windows;
}

inline Window& shared(int rows = kRows) {
    std::unique_ptr<Window>& window = sharedWindows()[rows];
    if (!window) {
        window = std::make_unique<Window>();
    }
    return *window;
}

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline void settle() {
    QApplication::processEvents();
}

// Opens the list through File > Open, as the user does; true when it holds every row.
inline bool openList(Window& w, int rows = kRows) {
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
inline bool ensureList(Window& w, int rows = kRows) {
    const int now = w.window->model().rowCount();
    return (now <= rows && now >= rows - 100) || openList(w, rows);
}

inline void select(Window& w, int row) {
    w.window->lstAction()->setCurrentIndex(w.window->model().index(row, 0));
    settle();
}

// With the script view shown, or hidden: hidden, it keeps nothing and follows nothing.
inline void withScriptView(Window& w, bool shown) {
    w.window->scriptDock()->setVisible(shown);
    settle();
}

// Registers a benchmark timed by the benchmark itself, in milliseconds; iterations 0 lets
// the library choose.
void addBenchmark(const char* name, std::function<void(benchmark::State&)> function,
                  int iterations);
// The script view's and Find's benchmarks on a million actions.
void registerViewBenchmarks();
// Prints the start-up time and the peak memory of the window empty and with the file at path
// open (the script view shown or not); the exit status of the program.
int peakMemory(int argc, char** argv, const std::string& path, bool scriptView,
               Clock::time_point processStart);

}  // namespace kestrune::bench
