// The peak memory of a process of its own: the window, empty and then holding a file.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/main/script_view.h"
#include "window_bench.h"

namespace kestrune::bench {
namespace {

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

}  // namespace

int peakMemory(int argc, char** argv, const std::string& path, bool scriptView,
               Clock::time_point processStart) {
    QApplication app(argc, argv);
    Window w;
    const double startUpMs = secondsSince(processStart) * 1000;
    const double emptyMb = peakMegabytes();
    // Shown from the start, as the setting remembers it: the file is read into the view.
    if (scriptView) {
        withScriptView(w, true);
    }
    w.prompts.files.push_back(QFile::decodeName(QByteArray::fromStdString(path)));
    w.window->action(Command::Open, Route::Menu)->trigger();
    settle();
    w.window->lstAction()->viewport()->repaint();
    if (scriptView) {
        w.window->scriptView()->viewport()->repaint();
    }
    const double fullMb = peakMegabytes();
    const int rows = w.window->model().rowCount();
    printTableRow("window/process-start-up", startUpMs, "ms", "-", "",
                  startUpMs < 300 ? "< 300 ms met" : "< 300 ms NOT MET");
    printTableRow("window/peak-memory/empty", emptyMb, "MB", "1.00", "empty", "");
    const double goalMb = rows >= kMillion ? 150 : 100;
    const std::string goal = "< " + std::to_string(static_cast<int>(goalMb)) + " MB";
    printTableRow(
        std::string(scriptView ? "window/peak-memory-script-view/" : "window/peak-memory/") +
            std::to_string(rows),
        fullMb, "MB", ratioText(fullMb / emptyMb), "empty",
        goal + (fullMb < goalMb ? " met" : " NOT MET"));
    return rows > 0 ? 0 : 1;
}

}  // namespace kestrune::bench
