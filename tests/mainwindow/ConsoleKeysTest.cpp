// The workspace driven by keys: typing, performing, checking, editing that
// must stay on the command line, paste, history recall, function keys and
// the length filters.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTextBlock>
#include <atomic>

#include "MainWindowFixture.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/TimerPage.h"
#include "platform/qt/CommitComboBox.h"
#include "processor/Executor.h"

namespace qora::test {
namespace {

class ConsoleKeysTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
    }
    QTextCharFormat FormatAt(int row, int column) {
        QTextCursor cursor(Workspace().document()->findBlockByNumber(row));
        cursor.setPosition(cursor.position() + column + 1);
        return cursor.charFormat();
    }
};

TEST_F(ConsoleKeysTest, EnterPerformsTheLineAndWritesANewPrompt) {
    Type("CAT");
    EXPECT_EQ(ShownLine(PromptRow), "QORA?: CAT");
    const std::int32_t row = PromptRow;
    Press(Qt::Key_Return);
    Settle();
    EXPECT_EQ(CommandHistory, (std::vector<std::string>{"CAT"}));
    EXPECT_EQ(Main().CommandHistoryBox().count(), 1);
    EXPECT_EQ(WorkspaceLines()[row].Text, "QORA?: CAT");
    EXPECT_EQ(LastLine(), "QORA?: ");
    EXPECT_TRUE(Workspace().CaretInCommandLine());
}

TEST_F(ConsoleKeysTest, ErrorsAreReportedByTheWayTheLineIsHandled) {
    // Typing re-checks silently: Perform goes off, no message, nothing red.
    Type("CA#T");
    EXPECT_FALSE(Main().Perform().isEnabled());
    EXPECT_TRUE(Main().Message().isEmpty());
    EXPECT_TRUE(WorkspaceLines()[PromptRow].Colours.empty());

    // Ctrl+Enter checks: the message in the status bar, the character red.
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(Main().Message().startsWith("Error - ")) << Main().Message().toStdString();
    ASSERT_EQ(WorkspaceLines()[PromptRow].Colours.size(), 1u);
    const ColourRange red = WorkspaceLines()[PromptRow].Colours.front();
    EXPECT_EQ(WorkspaceLines()[PromptRow].Text[red.Range.Start], '#');
    EXPECT_EQ(FormatAt(PromptRow, red.Range.Start).foreground().color(), TWorkspace::ErrorColour());

    // Performing writes the message under the line and a new prompt.
    const std::int32_t row = PromptRow;
    Press(Qt::Key_Return);
    Settle();
    EXPECT_EQ(WorkspaceLines()[row + 1].Text.rfind("Error - ", 0), 0u);
    EXPECT_EQ(LastLine(), "QORA?: ");

    // An edit clears the colour; a good line enables Perform again.
    Press(Qt::Key_Up);
    Press(Qt::Key_Backspace);
    EXPECT_TRUE(WorkspaceLines()[PromptRow].Colours.empty());
    EXPECT_NE(FormatAt(PromptRow, red.Range.Start).foreground().color(), TWorkspace::ErrorColour());
    Press(Qt::Key_Backspace);
    EXPECT_EQ(CommandLine(), "CA");
    EXPECT_TRUE(Main().Perform().isEnabled());
}

TEST_F(ConsoleKeysTest, HistoryAboveThePromptCannotBeEdited) {
    Perform("CAT");
    const std::vector<std::string> before = Lines();
    QTextCursor cursor(Workspace().document()->findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Workspace().setTextCursor(cursor);
    Press(Qt::Key_Delete);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Lines(), before);
    EXPECT_EQ(ShownLine(0), before[0]);

    // Backspace cannot reach into the prompt, Delete not past the line.
    Workspace().MoveCaretToCommandLineEnd();
    Type("AB");
    for (int i = 0; i < 4; ++i) Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace, Qt::ControlModifier);
    Press(Qt::Key_Delete);
    EXPECT_EQ(ShownLine(PromptRow), "QORA?: ");

    // Typed text goes to the command line wherever the caret is.
    Workspace().setTextCursor(QTextCursor(Workspace().document()->findBlockByNumber(1)));
    Type("DOG");
    EXPECT_EQ(CommandLine(), "DOG");
    const std::vector<std::string> after = Lines();
    EXPECT_EQ(std::vector(after.begin(), after.end() - 1), std::vector(before.begin(), before.end() - 1));
}

// Home stops after the prompt, and a selection that reaches into the prompt
// or the history edits the command text it holds: each way of selecting,
// then "X" typed, gives the line.
TEST_F(ConsoleKeysTest, HomeAndSelectionsIntoThePromptEditTheCommandText) {
    using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const std::pair<Keys, const char*> cases[] = {
        {{{Qt::Key_Home, none}}, "XACT DOG"},
        {{{Qt::Key_Home, shift}}, "X"},
        {{{Qt::Key_Home, shift}, {Qt::Key_Backspace, none}}, "X"},
        {{{Qt::Key_Home, none}, {Qt::Key_End, shift}, {Qt::Key_Backspace, none}}, "X"},
        {{{Qt::Key_Up, shift}, {Qt::Key_Delete, none}}, "X"},
        {{{Qt::Key_A, ctrl}, {Qt::Key_X, ctrl}}, "X"},
    };
    Perform("CAT");
    const std::vector<std::string> history = Lines();
    for (const auto& [keys, line] : cases) {
        form->ReplaceCommandLine("ACT DOG");
        for (auto [key, modifiers] : keys) Press(key, modifiers);
        Type("X");
        EXPECT_EQ(ShownLine(PromptRow), std::string("QORA?: ") + line) << line;
        EXPECT_EQ(CommandLine(), line);
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "ACT DOG");
    const std::vector<std::string> after = Lines();
    EXPECT_EQ(std::vector(after.begin(), after.end() - 1), std::vector(history.begin(), history.end() - 1));
}

TEST_F(ConsoleKeysTest, PasteIsPlainTextOnOneLine) {
    auto* data = new QMimeData;
    data->setHtml("<b>ignored</b>");
    data->setText("AB\r\nC\tD\x01");
    QApplication::clipboard()->setMimeData(data);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CommandLine(), "AB C D");

    // Cut takes the selection off the command line, copy leaves the history.
    QTextCursor cursor = Workspace().textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, PromptLength);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
    Workspace().setTextCursor(cursor);
    Main().Choose({"Edit", "Cut"});
    EXPECT_EQ(CommandLine(), "C D");
    EXPECT_EQ(QApplication::clipboard()->text(), "AB ");
}

TEST_F(ConsoleKeysTest, UpAndDownRecallTheHistory) {
    Perform("CAT");
    Perform("DOG");
    Type("AC");
    Press(Qt::Key_Up);
    EXPECT_EQ(CommandLine(), "DOG");
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    EXPECT_EQ(CommandLine(), "CAT");
    EXPECT_EQ(ShownLine(PromptRow), "QORA?: CAT");
    Press(Qt::Key_Down);
    EXPECT_EQ(CommandLine(), "DOG");
    Press(Qt::Key_Down);
    EXPECT_EQ(CommandLine(), "AC");
    Press(Qt::Key_Down);
    EXPECT_EQ(CommandLine(), "AC");

    // A double-click in the history box puts its entry on the line.
    QListWidget& history = Main().CommandHistoryBox();
    emit history.itemDoubleClicked(history.item(0));
    EXPECT_EQ(CommandLine(), "CAT");
}

TEST_F(ConsoleKeysTest, FunctionKeysReplaceExtendOrPerform) {
    FunctionKeys[0] = {"ACT", true, false};
    FunctionKeys[1] = {"/|=3 ", false, false};
    FunctionKeys[2] = {"DOG", true, true};
    FunctionKeys[9] = {"QI", true, true};  // F10 holds no macro
    Type("XYZ");
    Press(Qt::Key_F1);
    EXPECT_EQ(CommandLine(), "ACT");
    Press(Qt::Key_F2);
    EXPECT_EQ(CommandLine(), "ACT/|=3 ");
    Press(Qt::Key_F10);
    EXPECT_EQ(CommandLine(), "ACT/|=3 ");
    Press(Qt::Key_F3);
    Settle();
    EXPECT_EQ(CommandHistory, (std::vector<std::string>{"DOG"}));
    EXPECT_EQ(CommandLine(), "");
}

TEST_F(ConsoleKeysTest, CtrlDigitPerformsALengthFilterAtOnce) {
    Type("CAT");
    Press(Qt::Key_5, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(CommandHistory, (std::vector<std::string>{"CAT/|=5 "}));
}

TEST_F(ConsoleKeysTest, KeysAreIgnoredAndControlsOffWhileWorkRuns) {
    Type("CA");
    form->SetControlsEnabled(false);
    EXPECT_FALSE(Main().Perform().isEnabled());
    EXPECT_FALSE(Main().Challenge().isEnabled());
    EXPECT_FALSE(form->menuBar()->isEnabled());
    EXPECT_TRUE(Main().TimerTab().isEnabled());
    EXPECT_FALSE(Main().BoardTab().isEnabled());
    Type("T");
    Press(Qt::Key_Return);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Escape);  // stops what runs; never opens the challenge window
    Settle();
    EXPECT_EQ(CommandLine(), "CA");
    EXPECT_TRUE(CommandHistory.empty());
    EXPECT_FALSE(ChallengeDlg->isVisible());
    form->SetControlsEnabled(true);
    EXPECT_TRUE(Main().Perform().isEnabled());
    Type("T");
    EXPECT_EQ(CommandLine(), "CAT");
}

TEST_F(ConsoleKeysTest, TheCaretFollowsTheOutputToTheNewCommandLine) {
    WriteOutputLine("output below the command line");
    Workspace().FlushPendingLines();
    EXPECT_TRUE(Workspace().CaretInCommandLine());
    WriteBlankLineAndPrompt();
    Workspace().FlushPendingLines();
    EXPECT_TRUE(Workspace().CaretInCommandLine());
    EXPECT_EQ(Workspace().CaretRow(), PromptRow);

    // A caret the user put in the history stays there.
    Workspace().setTextCursor(QTextCursor(Workspace().document()->findBlockByNumber(0)));
    WriteBlankLineAndPrompt();
    Workspace().FlushPendingLines();
    EXPECT_EQ(Workspace().CaretRow(), 0);
}

TEST_F(ConsoleKeysTest, WorkerOutputReachesTheWorkspaceThroughTheEventLoop) {
    std::atomic<bool> ran{false};
    std::thread worker([&] {
        WriteOutputLine("from the worker");
        SyncBridge().Run([] { ExecutorHandlers.ShowProgress("WORKING: 1000 items"); });
        ran = true;
    });
    // The worker's call must run before the join, or the join would wait for
    // a worker waiting for this thread.
    EXPECT_TRUE(ProcessEventsUntil([&] { return ran && ShownLine(PromptRow + 1) == "from the worker"; }));
    worker.join();
    EXPECT_EQ(Main().Message(), "WORKING: 1000 items");
    form->SetControlsEnabled(false);
    form->SetControlsEnabled(true);  // the work ended
    EXPECT_EQ(Main().Message(), "");
}

TEST_F(ConsoleKeysTest, BlankMatchedLettersAreColouredAndTheSizeIsShown) {
    const TextRange marks[] = {{1, 2}};
    WritePresentationLine("CAT", marks);
    Workspace().FlushPendingLines();
    const int row = static_cast<int>(WorkspaceLines().size()) - 1;
    EXPECT_EQ(FormatAt(row, 1).foreground().color(), Workspace().BlankMatchedColour());
    EXPECT_NE(FormatAt(row, 0).foreground().color(), Workspace().BlankMatchedColour());
    EXPECT_EQ(Main().WorkspaceSize().toStdString(), "Workspace window: " + std::to_string(WorkspaceRows) + " rows x " +
                                                        std::to_string(WorkspaceColumns) + " cols");
    EXPECT_GT(WorkspaceColumns, 20);
}

}  // namespace
}  // namespace qora::test
