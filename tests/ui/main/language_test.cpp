// The window in the user's language: one tour of the window, its menus and toolbars, every
// editor page, the check dialog, the comparison, the warning, About, the find bar and the
// messages the window shows, taken in English and in another language and compared text by
// text. German translates everything but the texts the two languages share; a language
// without a translation shows the English texts; the files written stay as they are.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>

#include "check/fake_share_backend.h"
#include "files/line_comparison.h"
#include "platform/shown_text.h"
#include "platform/translations.h"
#include "shown_texts.h"
#include "ui/about/about.h"
#include "ui/main/compare_dialog.h"
#include "ui/main/find_bar.h"
#include "ui/run/warning_dialog.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

// One action of each kind, a mapping twice (the check warns), a share no server has, and
// a condition (the list shows its column).
const QByteArray kEveryKind =
    "// Logon Script Template File, version 2\r\n\r\n"
    "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"
    "[printer]\r\nremote=\\\\FILES\\LASER\r\nport=2\r\n\r\n"
    "[app]\r\nremote=\\\\FILES\\NETLOGON\\SETUP.EXE\r\n\r\n"
    "[reg]\r\nremote=\\\\FILES\\NOPE\\POLICY.REG\r\n\r\n"
    "[motd]\r\nlocal=\\\\FILES\\NETLOGON\\MOTD.TXT\r\n\r\n"
    "[home]\r\nlocal=G\r\n\r\n"
    "[other+]\r\ncommand=echo Welcome\r\n"
    "condition=member of Finance\r\n\r\n";

// What English and German write alike: the program's name, "OK", the words German takes
// from English, the version, drive letters, the pop-up menu's name, and a title or a recent
// file's item naming a file.
bool sameInGerman(const QString& text) {
    static const QStringList words = {"Kestrune", "OK", "&OK", "Details", "optional", "popUpTool"};
    static const QRegularExpression alike(
        QStringLiteral("^(Version \\d.*|[A-Z]:\\\\|Kestrune - .*|&?\\d   .*)$"));
    return words.contains(text) || alike.match(text).hasMatch();
}

class LanguageTest : public WindowTest {
  protected:
    void TearDown() override {
        WindowTest::TearDown();
        UseLanguage(QLocale(QLocale::English));
    }

    // Every text the tour meets in language.
    ShownTexts tour(const QLocale& language) {
        UseLanguage(language);
        // Each tour from the same start: nothing remembered from the one before.
        stop();
        store.values.clear();
        state.recentFiles = {};
        restart();
        ShownTexts texts;
        window->openDocument(writeFile("every.lst", kEveryKind));
        give(Command::Down, Way::Toolbar);  // Undo names what it undoes
        window->action(Command::ScriptView, Route::Menu)->trigger();
        give(Command::Find, Way::Key);
        QTest::keyClicks(window->findBar()->field(), "qqq");  // in no kind's name either
        give(Command::Toolbar, Way::Toolbar);
        texts.merge(shownTexts(window.get(), "frmMain"));
        window->openDocument(path("every.lst"));  // the title and status name the document
        texts.merge(shownTexts(window.get(), "frmMain2"));
        tourDialogs(texts);
        tourMessages(texts);
        return texts;
    }

    void tourDialogs(ShownTexts& texts) {
        {
            ActionEditor editor(EditorContext{window->actions(), state.shares, prompts});
            texts.merge(shownTexts(&editor, "frmAdd"));
            // What the pages show as their options change.
            editor.findChild<QRadioButton*>("optDisconnect")->setChecked(true);
            editor.findChild<QRadioButton*>("optServer")->setChecked(true);
            texts.merge(shownTexts(&editor, "frmAdd2"));
            editor.findChild<QRadioButton*>("optConnect")->setChecked(true);
            editor.findChild<QCheckBox*>("chkHome")->setChecked(true);
            texts.merge(shownTexts(&editor, "frmAdd3"));
        }
        {
            CheckDialog check(window->actions(), store, nullptr, [](const check::Connection&) {
                return std::make_unique<FakeShareBackend>();
            });
            check.show();
            QSignalSpy finished(&check, &CheckDialog::checkFinished);
            QTest::mouseClick(check.findChild<QPushButton*>("cmdCheck"), Qt::LeftButton);
            EXPECT_TRUE(finished.wait(30000));
            texts.merge(shownTexts(&check, "frmCheck"));
        }
        {
            const auto lines =
                CompareLines("rem old\nNET USE G: \\\\F\\A\r\nx", "NET USE G: \\\\F\\A\r\n");
            CompareDialog compare(*lines, path("every.bat"));
            texts.merge(shownTexts(&compare, "frmCompare"));
        }
        {
            WarningDialog warning(store);
            texts.merge(shownTexts(&warning, "frmWarn"));
            AboutBox about(AboutContext{lookup, programs, prompts});
            texts.merge(shownTexts(&about, "frmAbout"));
        }
    }

    // The messages, the file dialogs' titles and filters, and the status texts the window
    // shows on the way, in the order shown.
    void tourMessages(ShownTexts& texts) {
        prompts = {};
        reactivate();  // from the floating toolbar, which has no shortcuts
        prompts.files = {PathText(path("gone.bat"))};
        give(Command::Open, Way::Toolbar);  // not there
        openFile(writeFile("bad.lst", "not a template\r\n"));
        window->openDocument(path("every.lst"));
        prompts.answers = {Answer::No};
        give(Command::Clear, Way::PopUp);
        give(Command::Remove, Way::Toolbar);
        addShown(texts, QStringLiteral("status:removed"), window->statusText());
        prompts.answers = {Answer::Cancel};
        give(Command::New, Way::Key);
        programs.missing << QStringLiteral("echo");
        QTest::keyClick(window->lstAction(), Qt::Key_End);
        give(Command::ExecuteAction, Way::PopUp);
        prompts.files = {PathText(path("every.bat")), PathText(path("none/every.lst"))};
        give(Command::Make, Way::Toolbar);
        addShown(texts, QStringLiteral("status:made"), window->statusText());
        window->action(Command::SaveAs, Route::Menu)->trigger();  // no such folder
        shell.result = shell_result::kFileNotFound;
        give(Command::HelpTopics, Way::Key);
        inDialog([](QDialog& about) {
            clickIn(about, "cmdSysInfo");
            clickIn(about, "cmdOk");
        });
        window->action(Command::About, Route::Menu)->trigger();
        reactivate();
        // Another program changes the file; a script by hand is saved for the first time.
        window->openDocument(writeFile("other.lst", kEveryKind));
        writeFile("other.lst", kTemplateHeader);
        prompts.answers = {Answer::No};
        QEvent activate(QEvent::WindowActivate);  // back from the other program
        QApplication::sendEvent(window.get(), &activate);
        window->openDocument(writeFile("hand.bat", "net use g: \\\\f\\a\r\n"));
        prompts.answers = {Answer::Cancel};
        give(Command::Save, Way::Key);
        tourEditorMessages();
        int i = 0;
        for (const QString& text : prompts.texts()) {
            addShown(texts, "message" + QString::number(i++), text);
        }
        i = 0;
        for (const FileDialogRequest& request : prompts.dialogs) {
            addShown(texts, "dialog" + QString::number(i) + ":title", request.title);
            addShown(texts, "dialog" + QString::number(i++) + ":filter", request.filter);
        }
    }

    // The editor's checks: each page's OK with what it refuses, the fields of the page shown
    // given the texts listed.
    void tourEditorMessages() {
        using Fields = std::vector<std::pair<const char*, const char*>>;
        // No to every question, whatever else is asked before it.
        prompts.answers.assign(20, Answer::No);
        inEditor([](ActionEditor& e) {
            const auto on = [&e](const char* page, const Fields& fields, const char* ok) {
                for (auto* back : e.findChildren<QPushButton*>(QStringLiteral("cmdBack"))) {
                    if (back->isVisible()) {
                        QTest::mouseClick(back, Qt::LeftButton);
                    }
                }
                clickIn(e, page);
                QWidget* shown = e.findChild<QStackedWidget*>()->currentWidget();
                for (const auto& [name, typed] : fields) {
                    QWidget* field = shown->findChild<QWidget*>(QLatin1String(name));
                    auto* box = qobject_cast<QComboBox*>(field);
                    auto* line = box ? box->lineEdit() : qobject_cast<QLineEdit*>(field);
                    line->clear();
                    QTest::keyClicks(line, typed);
                }
                clickIn(e, ok);
            };
            on("cmdMap", {}, "cmdNextMap");
            on("cmdMap", {{"txtShare", "apps"}}, "cmdNextMap");
            on("cmdMap", {{"txtShare", "\\\\a\\\"b"}}, "cmdNextMap");
            on("cmdMap", {{"txtShare", "\\\\s\\a"}, {"txtUser", "a b"}}, "cmdNextMap");
            on("cmdApp", {{"txtLocalApp", " "}}, "cmdNextApp");
            on("cmdApp", {{"txtLocalApp", "x.exe"}, {"txtArguments", "a|b"}}, "cmdNextApp");
            on("cmdReg", {{"txtReg", " "}}, "cmdNextReg");
            on("cmdReg", {{"txtReg", "x.txt"}}, "cmdNextReg");
            on("cmdReg", {{"txtReg", "x.reg"}}, "cmdNextReg");
            on("cmdMotd", {{"txtRemoteMotd", " "}}, "cmdNextMotd");
            on("cmdMapPrint", {{"txtPrint", " "}}, "cmdOkPrint");
            on("cmdMapPrint", {{"txtPrint", "\\\\s\\p"}, {"txtUser", "admin"}}, "cmdOkPrint");
            on("cmdOther", {{"txtOther", " "}}, "cmdOkOther");
            // Run if a group, without a name and with one no script can hold.
            QTest::keyClick(e.findChild<QStackedWidget*>()->currentWidget()->findChild<QComboBox*>(
                                QStringLiteral("cboRunIf")),
                            Qt::Key_Down);
            on("cmdOther", {{"txtOther", "cls"}}, "cmdOkOther");
            on("cmdOther", {{"txtOther", "cls"}, {"txtRunIf", "a%b"}}, "cmdOkOther");
            clickIn(e, "cmdCancel");
        });
        give(Command::Add, Way::Toolbar);
        reactivate();
        prompts.answers.clear();
    }
};

// The whole window in German, nothing left in English but what German shares. A language the
// program has no translation for (Galician: Qt has none either) shows the program in English,
// every text as it is; and the choice is of the language, English first.
TEST_F(LanguageTest, GermanTranslatesEveryTextTheWindowShowsAndOthersShowTheEnglish) {
    EXPECT_EQ(UseLanguage(QLocale(QLocale::Galician, QLocale::Spain)), QString());
    EXPECT_EQ(UseLanguage(QLocale(QLocale::German, QLocale::Austria)), QStringLiteral("de"));
    EXPECT_EQ(UseLanguage(QLocale(QLocale::English, QLocale::Germany)), QString());
    const ShownTexts english = tour(QLocale(QLocale::English));
    const ShownTexts galician = tour(QLocale(QLocale::Galician, QLocale::Spain));
    QFile::remove(dir.filePath("every.bat"));
    const ShownTexts german = tour(QLocale(QLocale::German, QLocale::Germany));
    // The files are the same in any language: the template's first line, the script's
    // banner, the Details, the kinds as files hold them.
    const QByteArray script = readFile(path("every.bat"));  // made in the tour
    EXPECT_TRUE(script.startsWith(kScriptHeader)) << script.toStdString();
    EXPECT_TRUE(script.contains("NET USE LPT2 \\\\FILES\\LASER\r\n")) << script.toStdString();
    window->openDocument(path("every.lst"));
    prompts.files = {PathText(path("copy.lst"))};
    window->action(Command::SaveAs, Route::Menu)->trigger();
    EXPECT_EQ(readFile(path("copy.lst")), kEveryKind);
    EXPECT_GT(english.size(), 400u);
    EXPECT_EQ(galician, english);
    QStringList untranslated;
    for (const auto& [where, text] : english) {
        const auto found = german.find(where);
        if (found == german.end()) {
            untranslated << where + " not in German";
        } else if (found->second == text && !sameInGerman(text)) {
            untranslated << where + " = " + text;
        }
    }
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join('\n');
    for (const auto& [where, text] : german) {
        EXPECT_TRUE(english.count(where)) << where << " only in German";
    }
}

// Every message of the shared layers has its German, and keeps every argument in its place.
TEST_F(LanguageTest, EveryMessageOfTheSharedLayersIsTranslatedWithItsArguments) {
    UseLanguage(QLocale(QLocale::German));
    for (auto id = static_cast<int>(MessageId::Verbatim) + 1;
         id <= static_cast<int>(kLastMessageId); ++id) {
        const auto said = Say(static_cast<MessageId>(id), Say(MessageId::NoFile, "<1>"), "<2>",
                              DocumentText("<3>"), "<4>");
        const QString german = ShownMessage(said);
        EXPECT_NE(german, Utf8Text(EnglishText(said))) << id;
        for (const char* arg : {"<1>", "<2>", "<3>", "<4>"}) {
            EXPECT_EQ(german.contains(arg), EnglishText(said).find(arg) != std::string::npos)
                << id << " " << arg;
        }
    }
}

}  // namespace
}  // namespace kestrune::test
