// The workspace, TWorkspace: the main window's console. It shows the console
// model of processor/Console.h (history above the prompt, the command line
// after "QORA?: ") in a fixed-pitch font and lets the user edit the command
// line only.
//
// Every key press goes first to the main window's key bindings (OnKeyDown);
// what they leave is navigation, which works anywhere, or an edit, which is
// allowed on the command line only. Typing or pasting while the caret is in
// the history goes to the end of the command line; deleting or cutting
// history is refused. A selection that reaches from the history or the
// prompt into the command line edits its part on the command line. Home on
// the prompt line stops after the prompt. After every edit by the user the command line is
// written back to the model and OnCommandLineEdited runs (the silent
// re-check). While work runs the command line's gate is locked
// (processor/Console.h): typing, deleting, cut, paste, a drop, the X
// selection's middle-click paste and the input method all edit nothing.
//
// Lines the model appends are gathered and added to the document together, a
// few times a second while output streams in, so that a long presentation
// does not pay for one document edit per line. Everything that reads the
// document flushes them first.
#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/KeyCodes.h"
#include "processor/Console.h"

class QTimer;

namespace qora {

class TWorkspace : public QPlainTextEdit, public ConsoleObserver {
    Q_OBJECT

public:
    explicit TWorkspace(QWidget* parent = nullptr);
    ~TWorkspace() override;

    // The main window's key bindings; returns true when it handled the key.
    std::function<bool(KeyStroke)> OnKeyDown;
    // After every edit of the command line by the user.
    std::function<void()> OnCommandLineEdited;
    // After an entry joined the command history, and after it was emptied.
    std::function<void(std::int32_t index)> OnHistoryAppended;
    std::function<void()> OnHistoryCleared;

    // Adds the model's lines that are not shown yet to the document.
    void FlushPendingLines();

    // The console row and column of the caret.
    std::int32_t CaretRow() const;
    std::int32_t CaretColumn() const;
    bool CaretInCommandLine() const;
    // The text of the line that holds the caret (code page).
    std::string CaretLineText() const;
    void MoveCaretToCommandLineEnd();

    // Cut and paste work on the command line only; text is plain.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    // Types text at the caret as the user would (characters outside the code
    // page and line ends are dropped or made blanks).
    void TypeText(const QString& text);

    // Colours of the text: letters matched by blanks, the erroneous character.
    void SetBlankMatchedColour(const QColor& colour);
    QColor BlankMatchedColour() const { return blankColour_; }
    static QColor ErrorColour() { return QColor(255, 0, 0); }

    // How many rows of text and columns as wide as "x" fit.
    std::int32_t RowsInView() const;
    std::int32_t ColumnsInView() const;

signals:
    void SizeInCharactersChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ConsoleObserver
    void LineAppended(std::int32_t row) override;
    void LineChanged(std::int32_t row) override;
    void WorkspaceCleared() override;
    void HistoryAppended(std::int32_t index) override;
    void HistoryCleared() override;

    void SchedulePendingLines();
    void InsertColouredLine(QTextCursor& cursor, const WorkspaceLine& line);
    QTextCharFormat ColourFormat(TextColour colour) const;
    QTextBlock BlockOfRow(std::int32_t row) const;
    std::int32_t CommandStartPosition() const;
    std::int32_t CommandEndPosition() const;
    bool InCommandLine(int position) const;
    bool ClipSelectionToCommandLine(QTextCursor& cursor) const;
    bool SelectionReachesCommandLine() const;
    void KeepCaretAfterPrompt(QTextCursor::MoveMode mode);
    bool DeleteKey(const QKeyEvent& event);
    void RemoveSelectionOrCharacter(QTextCursor::MoveOperation move);
    void CommandLineEditedHere();
    static bool IsNavigationKey(const QKeyEvent& event);

    QTimer* flushTimer_;
    std::int32_t shownLines_ = 0;         // model lines that are in the document
    std::int32_t followedPromptRow_ = 0;  // the prompt line when lines were last shown
    QColor blankColour_;
};

}  // namespace qora
