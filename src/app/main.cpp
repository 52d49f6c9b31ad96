// kestrune: the window program. Shows the main window and opens the template or batch
// script named on the command line.

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>

#include "files/interrupt_cleanup.h"
#include "platform/command_line.h"
#include "platform/program_start.h"
#include "platform/qt_prompts.h"
#include "platform/qt_settings_store.h"
#include "platform/recent_network_paths.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"
#include "platform/translations.h"
#include "ui/main/app_state.h"
#include "ui/main/main_texts.h"
#include "ui/main/main_window.h"
#include "ui/main/program_entry.h"

int main(int argc, char* argv[]) {
    // Ctrl-C, a closed terminal or a kill in the middle of a save leaves no new file behind.
    kestrune::removeTemporariesOnInterrupt();
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is told like any
    // failed save, instead of the signal ending the program with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const QString name = QString::fromLatin1(kestrune::main_texts::settings::kApplication.data());
    QApplication::setApplicationName(name);
    QApplication::setOrganizationName(name);
    QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    // --help and --version answer before a window system is needed. Anything else waits
    // until Qt has taken its own options (-platform, -style) out of the arguments.
    if (const auto early = kestrune::ProcessStartCommand(argc, argv);
        early.kind == kestrune::StartRequest::Kind::Print) {
        std::fputs(early.text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    const kestrune::StartRequest request = kestrune::ProcessStartCommand(argc, argv);
    if (request.kind != kestrune::StartRequest::Kind::Open) {
        std::fputs(request.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    // The window speaks the system's language (LANGUAGE, LC_ALL, LANG), English where it has
    // no translation; the command line above stays English, as kestrune-cli does.
    kestrune::UseLanguage(QLocale::system());
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
    window.showAtStart();
    kestrune::OpenFromCommandLine(window, request.path);
    const int status = QApplication::exec();
    kestrune::removeTemporariesNow();
    return status;
}
