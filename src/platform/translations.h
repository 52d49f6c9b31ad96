#pragma once

// The window program's language, chosen in one place: main() asks for the system's, tests
// for English or the language they look at. The program's own translations are
// kestrune_LANG.qm files; Qt's own (its standard dialogs and buttons) are qtbase_LANG.qm.
// Anything without a translation stays English.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kestrune {

// Where the program's translations are looked for, the first first: the "translations"
// folder beside the program (Windows and the build tree), then the installed data folders
// (share/kestrune/translations beside the program's bin folder, and the system's).
QStringList TranslationFolders(const QString& programFolder);

// Speaks locale's language from now on, in place of any chosen before: the program's
// translation for the first of the locale's languages that has one before English, and Qt's
// for the same language (for the first language when the program has none). English, or no
// translation at all, installs none of the program's. Gives the language of the program's
// translation taken ("de"), empty for English.
QString UseLanguage(const QLocale& locale);

}  // namespace kestrune
