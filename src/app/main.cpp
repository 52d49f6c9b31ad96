// kestrune: the window program. Shows the main window and opens the template or batch
// script named on the command line.

#include <QApplication>
#include <QIcon>
#include <csignal>

#include "platform/command_line.h"
#include "platform/program_start.h"
#include "platform/qt_prompts.h"
#include "platform/qt_settings_store.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"
#include "ui/editor/recent_network_paths.h"
#include "ui/main/app_state.h"
#include "ui/main/main_texts.h"
#include "ui/main/main_window.h"
#include "ui/main/program_entry.h"

int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is told like any
    // failed save, instead of the signal ending the program with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    const QString name = QString::fromLatin1(kestrune::main_texts::settings::kApplication.data());
    QApplication::setApplicationName(name);
    QApplication::setOrganizationName(name);
    QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kestrune.svg")));
    // The desktop entry's name, so that docks and Wayland match the window to its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.kestrune.Kestrune"));

    kestrune::QtSettingsStore settings(name);
    kestrune::SystemRecentNetworkPaths recentPaths;
    // Not modified, no warning cancelled: the defaults of a new state.
    kestrune::AppState state(settings, recentPaths);
    kestrune::QtPrompts prompts;
    kestrune::SystemProgramStarter programs;
    kestrune::SystemShellOpener shell;
    kestrune::SystemLookupService lookup;

    kestrune::MainWindow window(state, settings, prompts, {programs, shell, lookup});
    prompts.setParentWindow(&window);
    const QString commandLine = kestrune::ProcessCommandLine(QApplication::arguments());
    window.showAtStart();
    kestrune::OpenFromCommandLine(window, commandLine);
    return QApplication::exec();
}
