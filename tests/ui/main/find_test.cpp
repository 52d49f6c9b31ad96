// Edit > Find: the bar above the list, typing, going on and back, round the end of the list,
// case ignored by the document's own code page, and closing.

#include <QLabel>
#include <QLineEdit>

#include "ui/main/find_bar.h"
#include "window_fixture.h"

namespace kestrune::test {
namespace {

class FindTest : public WindowTest {
  protected:
    // Key by key, as typed: characters beyond ASCII too, which QTest::keyClicks can't name.
    void type(const QString& text) {
        for (const QChar c : text) {
            const Qt::Key key =
                c.unicode() < 0x80 ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, field(), key, QString(c), {});
        }
    }
    QLineEdit* field() const { return window->findBar()->field(); }
    int selected() const { return window->selectedRow().value_or(-1); }
};

TEST_F(FindTest, TypingSelectsTheNextActionHoldingTheTextRoundTheEnd) {
    start();
    window->openDocument(
        writeFile(QStringLiteral("find.lst"),
                  kTemplateHeader + "[map]\r\nremote=\\\\FILES\\APPS\r\nlocal=G\r\n\r\n"      // 0
                                    "[other]\r\ncommand=echo Caf\xC9 open\r\n\r\n"            // 1
                                    "[printer]\r\nremote=\\\\PRINT\\LASER\r\nport=2\r\n\r\n"  // 2
                                    "[other]\r\ncommand=echo caf\xE9 closed\r\n\r\n"          // 3
                                    "[other]\r\ncommand=cls\r\n\r\n"));                       // 4
    clickRow(2);
    const int listTop = window->lstAction()->y();
    give(Command::Find, Way::Key);
    FindBar* bar = window->findBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(window->lstAction()->y(), listTop + bar->height());  // the list makes room

    // From the one after the selection; a longer text keeps the action while it still
    // holds it; case is ignored, é and É alike.
    type(QStringLiteral("CAF"));
    EXPECT_EQ(selected(), 3);
    type(QString::fromUtf8("\xC3\xA9 c"));  // "é c"
    EXPECT_EQ(selected(), 3);
    EXPECT_TRUE(bar->statusText().isEmpty());
    // Enter and F3 go on, round the end; Shift+F3 back.
    field()->setText(QStringLiteral("caf"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(selected(), 1);
    QTest::keyClick(window->lstAction(), Qt::Key_F3);  // wherever the focus is
    EXPECT_EQ(selected(), 3);
    QTest::keyClick(field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 1);
    QTest::keyClick(field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 3);

    // The kind is searched as well as the Details; a selection made meanwhile is where the
    // next search starts.
    clickRow(0);
    field()->clear();
    type(QStringLiteral("map"));
    EXPECT_EQ(selected(), 2);  // "Map Printer"
    type(QStringLiteral(" d"));
    EXPECT_EQ(selected(), 0);  // "Map Drive", round the end

    // What no action holds leaves the selection and says so; so does a character the
    // document's code page hasn't.
    for (const QString& text : {QStringLiteral("xyz"), QString::fromUtf8("\xCE\xA9 x")}) {
        field()->clear();
        type(text);
        EXPECT_EQ(selected(), 0);
        EXPECT_EQ(bar->statusText(), "No action holds this text.");
    }
    field()->clear();
    type(QStringLiteral("cl"));
    EXPECT_EQ(selected(), 3);
    EXPECT_TRUE(bar->statusText().isEmpty());

    // Escape closes the bar and hands the keys back to the list, which takes its place back.
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window->lstAction()->hasFocus());
    EXPECT_EQ(window->lstAction()->y(), listTop);
    QTest::keyClick(window->lstAction(), Qt::Key_F3);  // closed: F3 does nothing
    EXPECT_EQ(selected(), 3);

    // Opened again, the text is chosen for a new one.
    give(Command::Find, Way::Menu);
    EXPECT_EQ(field()->selectedText(), "cl");
    type(QStringLiteral("cls"));
    EXPECT_EQ(selected(), 4);
}

}  // namespace
}  // namespace kestrune::test
