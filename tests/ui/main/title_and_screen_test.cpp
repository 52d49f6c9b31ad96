// What the window says of itself: its title names the document Save writes and marks unsaved
// changes, and it opens on the screen whatever size was stored.

#include <QScreen>
#include <QWindow>

#include "window_fixture.h"

namespace kestrune::test {
namespace {

using TitleTest = WindowTest;

// The mark shows exactly while the document has unsaved changes: through edits, undo and
// redo, a save and a new document. (Where undo and saves leave Modified is the undo table's.)
TEST_F(TitleTest, TheTitleMarksUnsavedChangesThroughEditUndoAndSave) {
    start();
    const auto shows = [this](const QString& title, bool modified) {
        EXPECT_EQ(window->isWindowModified(), modified);
        EXPECT_EQ(window->document().modified, modified);
        EXPECT_EQ(window->windowHandle()->title(), title + (modified ? "*" : ""));
    };
    EXPECT_EQ(window->windowTitle(), "Kestrune[*]");
    shows("Kestrune", false);
    addOther("echo A");
    shows("Kestrune", true);
    give(Command::Undo, Way::Key);
    shows("Kestrune", false);
    give(Command::Redo, Way::Menu);
    shows("Kestrune", true);

    prompts.files = {PathText(path("start.lst"))};
    give(Command::SaveAs, Way::Menu);
    shows("Kestrune - start.lst", false);
    addOther("echo B");
    shows("Kestrune - start.lst", true);
    prompts.answers = {Answer::No};
    give(Command::New, Way::Key);
    shows("Kestrune - New Template", false);

    // A name that holds the mark itself shows it as it is.
    window->openDocument(writeFile("odd[*].lst", OtherTemplate({"cls"})));
    EXPECT_EQ(window->windowTitle(), "Kestrune - odd[*][*].lst[*]");
    give(Command::Clear, Way::Menu);
    shows("Kestrune - odd[*].lst", true);
}

// A stored size larger than the screen is shrunk to the screen's available area and the
// window placed on it; what is stored at the end is the size the window had.
TEST_F(TitleTest, AStoredSizeLargerThanTheScreenIsShrunkToIt) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    store.values[{"Window", "frmW"}] = "32000";
    store.values[{"Window", "frmH"}] = "30000";
    start();
    EXPECT_TRUE(store.writes.isEmpty());
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.size(), available.size());
    EXPECT_TRUE(available.contains(frame.topLeft()));
    give(Command::Exit, Way::Key);
    const QSize twips(qRound(PixelsToTwips(frame.width(), window->logicalDpiX())),
                      qRound(PixelsToTwips(frame.height(), window->logicalDpiY())));
    EXPECT_EQ(store.writes,
              (QStringList{QStringLiteral("Window/frmH=%1").arg(twips.height()),
                           QStringLiteral("Window/frmW=%1").arg(twips.width()), "Window/frmS=0"}));

    // A size that fits is the size the window gets, centred.
    store.values[{"Window", "frmW"}] = "6000";
    store.values[{"Window", "frmH"}] = "4000";
    restart();
    const QSize size(TwipsToPixels(6000, window->logicalDpiX()),
                     TwipsToPixels(4000, window->logicalDpiY()));
    EXPECT_EQ(window->frameGeometry(),
              QRect(available.topLeft() + QPoint((available.width() - size.width()) / 2,
                                                 (available.height() - size.height()) / 2),
                    size));
}

}  // namespace
}  // namespace kestrune::test
