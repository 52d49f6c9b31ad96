#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTranslator>

#include "platform/program_folder.h"

namespace kestrune {

namespace {

const QLatin1String kOwnName("kestrune_");
const QLatin1String kTranslationsFolder("translations");

// The translators installed now; the application owns them.
QPointer<QTranslator>& ownTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}
QPointer<QTranslator>& qtTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}

void removeInstalled() {
    for (QPointer<QTranslator>* installed : {&ownTranslator(), &qtTranslator()}) {
        if (*installed) {
            QCoreApplication::removeTranslator(*installed);
            delete installed->data();
        }
        *installed = nullptr;
    }
}

// "de-DE" gives "de_DE" and "de": the file of the country first, then of the language.
QStringList fileLanguages(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{name};
    if (const qsizetype cut = name.indexOf(QLatin1Char('_')); cut > 0) {
        names << name.left(cut);
    }
    return names;
}

bool isEnglish(const QString& uiLanguage) {
    return uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("en") ||
           uiLanguage.startsWith(QLatin1String("en-")) ||
           uiLanguage.startsWith(QLatin1String("en_"));
}

// Loads the first of prefix + language + QLatin1String(".qm") found in folders, for each file
// language of uiLanguage in turn, and installs it.
QPointer<QTranslator> install(const QStringList& prefixes, const QString& uiLanguage,
                              const QStringList& folders) {
    for (const QString& language : fileLanguages(uiLanguage)) {
        for (const QString& folder : folders) {
            for (const QString& prefix : prefixes) {
                const QString file =
                    QDir(folder).filePath(prefix + language + QLatin1String(".qm"));
                if (!QFileInfo::exists(file)) {
                    continue;
                }
                auto* translator = new QTranslator(QCoreApplication::instance());
                if (translator->load(file)) {
                    QCoreApplication::installTranslator(translator);
                    return translator;
                }
                delete translator;
            }
        }
    }
    return nullptr;
}

}  // namespace

QStringList TranslationFolders(const QString& programFolder) {
    QStringList folders{
        QDir(programFolder).filePath(kTranslationsFolder),
        QDir(programFolder).filePath(QStringLiteral("../share/kestrune/") + kTranslationsFolder)};
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("kestrune/") + kTranslationsFolder,
                                         QStandardPaths::LocateDirectory);
    return folders;
}

QString UseLanguage(const QLocale& locale) {
    removeInstalled();
    const QStringList own = TranslationFolders(ProgramFolder());
    // Qt's own are where Qt keeps them, or beside the program where windeployqt put them
    // (as "qt_", all of Qt in one file).
    const QStringList qt{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                         QDir(ProgramFolder()).filePath(kTranslationsFolder)};
    const QStringList qtPrefixes{QStringLiteral("qtbase_"), QStringLiteral("qt_")};
    const QStringList languages = locale.uiLanguages();
    for (const QString& language : languages) {
        if (isEnglish(language)) {
            break;
        }
        if (QPointer<QTranslator> translator = install({kOwnName}, language, own)) {
            ownTranslator() = translator;
            qtTranslator() = install(qtPrefixes, language, qt);
            return fileLanguages(language).constLast();
        }
    }
    if (!languages.isEmpty() && !isEnglish(languages.constFirst())) {
        qtTranslator() = install(qtPrefixes, languages.constFirst(), qt);
    }
    return {};
}

}  // namespace kestrune
