// The dialog openers that every dialog plugs into, and the main window's
// layout at 1280 x 800 (also at 144 pixels per inch).
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include "MainWindowFixture.h"
#include "mainwindow/WordlistControls.h"
#include "platform/Scaling.h"
#include "platform/qt/Dialogs.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Screen.h"
#include "support/qt/WidgetLayout.h"

namespace qora::test {
namespace {

class DialogOpenerTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
    }
    // Whether `trigger` opens the dialog; it is answered at once.
    bool Opens(const std::function<void()>& trigger) {
        bool shown = false;
        WhenModalOpens([&](QWidget& modal) {
            shown = &modal == &dialog;
            shownAt = modal.frameGeometry().topLeft();
            dialog.CloseWithResult(mrOk);
        });
        trigger();
        Settle();
        return shown;
    }
    bool OpenThroughMenu() {
        return Opens([this] { Main().Choose({"Query", "Letter/Blank/Set..."}); });
    }

    QoraDialog dialog{"Test", 200, 100};
    QPoint shownAt;
};

// Every dialog the controls open is plugged in; plugging one in again (here
// a test dialog in the place of the New Wordlist dialog) turns the item on
// and sends the item and the buttons to it.
TEST_F(DialogOpenerTest, APluggedDialogOpensFromItsItemsAndButtons) {
    QAction item;
    item.setEnabled(false);
    QPushButton& button = *Main().WordlistsTab().NewWordlist;
    EXPECT_TRUE(Main().MenuItem({"Settings", "Lexicons..."}).isEnabled());
    std::vector<DialogRequest> prepared;
    form->PlugDialog(ControlDialog::NewWordlist, {&item},
                     {&dialog, [this](QWidget& window) { return form->RightEdgeAtWorkspaceTop(window); },
                      [&](const DialogRequest& request) { prepared.push_back(request); }});
    EXPECT_TRUE(item.isEnabled());
    EXPECT_TRUE(button.isEnabled());
    EXPECT_TRUE(Opens([&] { item.trigger(); }));
    EXPECT_EQ(shownAt, KeptOnScreen(QRect(form->RightEdgeAtWorkspaceTop(dialog), OuterSizeOf(dialog))).topLeft());
    EXPECT_TRUE(Opens([&] { button.click(); }));
    ASSERT_EQ(prepared.size(), 2u);
    EXPECT_EQ(prepared[1].Dialog, ControlDialog::NewWordlist);
    EXPECT_EQ(WorkspaceEdit, &Workspace());
    EXPECT_TRUE(Workspace().hasFocus() || !form->isActiveWindow());
}

TEST_F(DialogOpenerTest, ACommandLineWithAnErrorRefusesCommandBuildingOnly) {
    form->PlugDialog(ControlDialog::QueryCharacter, {&Main().MenuItem({"Query", "Letter/Blank/Set..."})},
                     {&dialog, nullptr, nullptr});
    Type("AB(");
    EXPECT_FALSE(OpenThroughMenu());
    EXPECT_EQ(Main().Message(),
              "The current command has an error, and thus you cannot augment the command by graphical interaction.");
    // A dialog that acts directly opens all the same.
    QAction item;
    form->PlugDialog({&item}, {&dialog, nullptr, nullptr, DialogOpener::WhenLineHasError::Open});
    EXPECT_TRUE(Opens([&] { item.trigger(); }));
}

// Whatever ended in an error, the new prompt line is checked as it is: its
// empty line has none, so Perform is on and the dialogs open.
TEST_F(DialogOpenerTest, AnErrorPerformedLeavesAPromptThatAugmentsAgain) {
    QAction item;
    form->PlugDialog(ControlDialog::QueryCharacter, {&item}, {&dialog, nullptr, nullptr});
    WriteFile("error.cmd", "CAT\nAB(\n");
    for (const char* line : {"/X", "AB(", "ZZ/Q9 ", "/X\"error.cmd\"", "/X\"missing.cmd\""}) {
        Perform(line);
        EXPECT_EQ(LastLine(), "QORA?: ") << line;
        EXPECT_TRUE(Main().Perform().isEnabled()) << line;
        EXPECT_TRUE(Opens([&] { item.trigger(); })) << line;
    }
}

TEST_F(MainWindowTest, LayoutShowsEveryControlUncut) {
    StartWithLexiconAt1280x800();
    Settle();
    // The status bar lays itself out again after the window has: wait for it.
    const auto laidOut = [&] { return LayoutFaults(*form).empty(); };
    (void)ProcessEventsUntil(laidOut);
    EXPECT_EQ(LayoutFaults(*form), std::vector<std::string>{});
    EXPECT_GE(WorkspaceColumns, 60);
    SaveWindowGrab(*form, "main-window");
    // Without the left pages the workspace takes their room.
    const std::int32_t columns = WorkspaceColumns;
    Main().Choose({"View", "Left Tabs"});
    (void)ProcessEventsUntil([&] { return WorkspaceColumns > columns && laidOut(); });
    EXPECT_FALSE(Main().QueryOrPresentation().isVisible());
    EXPECT_FALSE(Main().Command().isVisible());
    EXPECT_GT(WorkspaceColumns, columns);
    EXPECT_EQ(LayoutFaults(*form), std::vector<std::string>{});
}

// A full workspace shows its scroll bar; lines as wide as the workspace's
// columns, the separator among them, still fit on one row.
TEST_F(MainWindowTest, LayoutOfAFullWorkspaceWrapsNoLine) {
    StartWithLexiconAt1280x800();
    Settle();
    const std::string fullWidth(static_cast<std::size_t>(WorkspaceColumns), 'x');
    for (int row = 0; row < 2 * WorkspaceRows; ++row) WriteOutputLine(fullWidth);
    WriteSeparatorAndPrompt();
    Settle();
    EXPECT_TRUE(Workspace().verticalScrollBar()->isVisible());
    EXPECT_EQ(static_cast<int>(fullWidth.size()), WorkspaceColumns) << "the scroll bar changes no column count";
    const QTextBlock last = Workspace().document()->lastBlock();
    for (QTextBlock block = last.previous();
         block.isValid() && block.blockNumber() > last.blockNumber() - WorkspaceRows; block = block.previous())
        EXPECT_EQ(block.lineCount(), 1) << block.blockNumber() << ": " << block.text().toStdString();
    SaveWindowGrab(*form, "full-workspace");
}

// Output that first fills the workspace, of lines that fit its width until
// the scroll bar appears and then wrap (as definitions do), leaves the whole
// new prompt line in view.
TEST_F(MainWindowTest, LayoutOfWrappedOutputShowsTheWholePromptLine) {
    StartWithLexiconAt1280x800();
    Settle();
    ASSERT_FALSE(Workspace().verticalScrollBar()->isVisible());
    const std::string wrapsOnceTheBarShows(static_cast<std::size_t>(WorkspaceColumns) + 1, 'x');
    for (int row = 0; row < WorkspaceRows; ++row) WriteOutputLine(wrapsOnceTheBarShows);
    WriteSeparatorAndPrompt();
    Settle();
    ASSERT_TRUE(Workspace().verticalScrollBar()->isVisible());
    EXPECT_EQ(Workspace().document()->lastBlock().previous().previous().lineCount(), 2) << "the lines wrap";
    const QRect prompt = Workspace().cursorRect(QTextCursor(Workspace().document()->lastBlock()));
    EXPECT_TRUE(Workspace().viewport()->rect().contains(prompt))
        << prompt.top() << " to " << prompt.bottom() << " in " << Workspace().viewport()->height();
    SaveWindowGrab(*form, "wrapped-output");
}

TEST_F(MainWindowTest, LayoutOfTheChallengeWindowOverTheMainWindow) {
    StartWithLexiconAt1280x800();
    std::vector<std::string> faults{"not opened"};
    QRect covered;
    WhenModalOpens([&](QWidget& modal) {
        Settle();
        faults = LayoutFaults(modal);
        covered = modal.frameGeometry();
        SaveWindowGrab(modal, "challenge-over-main-window");
        QTest::keyClick(ChallengeDlg->Words, Qt::Key_Escape);
    });
    Main().Challenge().click();
    EXPECT_EQ(faults, std::vector<std::string>{});
    EXPECT_EQ(covered.size(), form->frameGeometry().size());
}

}  // namespace
}  // namespace qora::test
