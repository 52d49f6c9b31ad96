#pragma once

// About and help: the About box frmAbout with its System Info button (StartSysInfo), and
// the opening of the help file beside the program.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace kestrune {

class ProgramStarter;
class Prompts;
class ShellOpener;
class SystemLookup;

// How the system information program is found: Windows keeps it in the registry, other
// desktops have programs of their own on the PATH.
enum class SysInfoSearch { Registry, SearchPath };

#ifdef _WIN32
inline constexpr SysInfoSearch kPlatformSysInfoSearch = SysInfoSearch::Registry;
#else
inline constexpr SysInfoSearch kPlatformSysInfoSearch = SysInfoSearch::SearchPath;
#endif

// What the About box needs from the system.
struct AboutContext {
    SystemLookup& lookup;
    ProgramStarter& programs;
    Prompts& prompts;
    SysInfoSearch search = kPlatformSysInfoSearch;
};

// "Version 2.1.0" for this release.
QString VersionText();

// The system information program's path, or an empty text when there is none to start.
QString FindSysInfo(SystemLookup& lookup, SysInfoSearch search);
// Starts it, or says it is unavailable. True when it was started.
bool StartSysInfo(const AboutContext& context);

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(const AboutContext& context, QWidget* parent = nullptr);

  private:
    void Form_Load();
    void cmdOk_Click();
    void cmdSysInfo_Click();

    AboutContext context_;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

// mnuAbout_Click: shows the About box modally over parent; returns once it is closed.
void ShowAbout(const AboutContext& context, QWidget* parent);

// The help file's path: the program's folder and the help file's name when it is there (a
// build tree, Windows), else the installed one in the data folders ("kestrune/" and the
// name); when neither is there, the one beside the program.
QString HelpFilePath(const QString& programFolder);
// mnuHelpTop_Click: opens the help file with the shell, and says so when no program took
// it; that may be known only after this has returned.
void OpenHelp(ShellOpener& shell, Prompts& prompts, const QString& programFolder);

}  // namespace kestrune
