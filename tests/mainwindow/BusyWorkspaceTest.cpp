// While a query or a command file runs, no text reaches the command line by
// any way the workspace offers (its menu's Paste, a drop, a paste of the
// clipboard's or the X selection's data, the input method): the line shown
// is the line that runs, and the history holds only the performed lines.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <algorithm>

#include "MainWindowFixture.h"
#include "dialogs/LargeOutputDialog.h"

namespace qora::test {
namespace {

constexpr char Pasted[] = "ZZZ/Q4 ";

class BusyWorkspaceTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
        QApplication::clipboard()->setText(QString::fromLatin1(Pasted));
    }

    // Offers the text by every way but keys while the main thread holds the
    // work (it answers the work's question), so that nothing a worker writes
    // can change the workspace meanwhile: it must come out as it went in.
    void ExpectEveryWayInRefused() {
        const std::vector<std::string> before = Lines();
        PasteThroughTheContextMenu();
        Workspace().paste();  // the clipboard's data, as a middle click inserts the X selection's
        DropText();
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromLatin1(Pasted));
        QCoreApplication::sendEvent(&Workspace(), &commit);
        EXPECT_EQ(Lines(), before);
        EXPECT_EQ(ShownLine(PromptRow), LastLine());
    }

    // Opens the workspace's context menu and chooses Paste as a click would
    // (a disabled item does nothing).
    void PasteThroughTheContextMenu() {
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (QAction* item : menu->actions())
                if (item->text() == "&Paste") {
                    item->trigger();
                    chosen = true;
                }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                Workspace().viewport()->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(Workspace().viewport(), &event);
        EXPECT_TRUE(chosen) << "the menu opened with its Paste item";
    }

    // A drag entering the workspace and dropped there, as the window system
    // delivers it.
    void DropText() {
        QMimeData dropped;
        dropped.setText(QString::fromLatin1(Pasted));
        const QPoint middle = Workspace().viewport()->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Workspace().viewport(), &enter);
        QDropEvent drop(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Workspace().viewport(), &drop);
    }

    // No line the workspace shows holds the text offered.
    void ExpectNothingPasted() {
        for (const std::string& line : Lines()) EXPECT_EQ(line.find("ZZZ"), std::string::npos) << line;
    }
};

TEST_F(BusyWorkspaceTest, ACommandFileKeepsItsLinesWhateverIsPasted) {
    std::vector<std::string> history{"/X\"busy.cmd\""};
    std::string file;
    for (const char* word : {"CAT", "ACT", "DOG", "QUIXOTIC"})
        for (int copy = 0; copy < 5; ++copy) history.push_back(word);
    // Halfway, the challenge window holds the command file until it closes.
    history.insert(history.begin() + 11, "C");
    for (std::size_t line = 1; line < history.size(); ++line) file += history[line] + "\n";
    WriteFile("busy.cmd", file);

    bool held = false;
    WhenModalOpens([&](QWidget& modal) {
        held = &modal == ChallengeDlg && CommandFileRunning();
        ExpectEveryWayInRefused();
        QTest::keyClick(ChallengeDlg->Words, Qt::Key_Escape);
    });
    Perform(history.front());
    EXPECT_TRUE(held);
    EXPECT_EQ(CommandHistory, history);
    ExpectNothingPasted();
    EXPECT_EQ(LastLine(), "QORA?: ");
    // Once the file has ended the workspace takes text again.
    Workspace().paste();
    EXPECT_EQ(CommandLine(), Pasted);
}

TEST_F(BusyWorkspaceTest, AQueryWaitingOnTheLargeOutputQuestionKeepsItsLine) {
    bool asked = false;
    WhenModalOpens([&](QWidget& modal) {
        asked = &modal == LargeOutput.data();
        ExpectEveryWayInRefused();
        LargeOutput->Show25->click();
    });
    const std::int32_t row = PromptRow;
    Perform("/. 600");
    EXPECT_TRUE(asked);
    EXPECT_EQ(WorkspaceLines()[row].Text, "QORA?: /. 600");
    EXPECT_EQ(CommandHistory, std::vector<std::string>{"/. 600"});
    ExpectNothingPasted();
}

}  // namespace
}  // namespace qora::test
