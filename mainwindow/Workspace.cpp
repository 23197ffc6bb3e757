#include "mainwindow/Workspace.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/qt/Clipboard.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Text.h"

namespace qora {

namespace {

// How long appended lines may wait before they are shown: short enough to
// look immediate, long enough to gather a stream of output lines.
constexpr int FlushDelayMilliseconds = 30;

// Whether a character can stand in the command line: printable and part of
// the code page.
bool IsCommandCharacter(QChar character) { return character.isPrint() && FitsCodePage(QString(character)); }

// Text as it may go into the command line: one line, code-page characters.
QString CommandLineText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString clean;
    clean.reserve(text.size());
    for (QChar character : text) {
        if (character == u'\n' || character == u'\r' || character == u'\t' || character == QChar::ParagraphSeparator ||
            character == QChar::LineSeparator)
            clean += u' ';
        else if (IsCommandCharacter(character))
            clean += character;
    }
    return clean;
}

// Whether a block shows its text without colours.
bool IsPlain(const QTextBlock& block) {
    for (const QTextLayout::FormatRange& range : block.textFormats())
        if (range.format.hasProperty(QTextFormat::ForegroundBrush)) return false;
    return true;
}

QString PlainSelection(const QTextCursor& cursor) {
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

}  // namespace

TWorkspace::TWorkspace(QWidget* parent)
    : QPlainTextEdit(parent), flushTimer_(new QTimer(this)), blankColour_(0, 0, 255) {
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    flushTimer_->setSingleShot(true);
    flushTimer_->setInterval(FlushDelayMilliseconds);
    connect(flushTimer_, &QTimer::timeout, this, &TWorkspace::FlushPendingLines);
    SetConsoleObserver(this);
    FlushPendingLines();
}

TWorkspace::~TWorkspace() { SetConsoleObserver(nullptr); }

// ---- Showing the model ---------------------------------------------------------

void TWorkspace::LineAppended(std::int32_t) { SchedulePendingLines(); }

void TWorkspace::SchedulePendingLines() {
    if (!flushTimer_->isActive()) flushTimer_->start();
}

void TWorkspace::FlushPendingLines() {
    const auto& lines = WorkspaceLines();
    const auto total = static_cast<std::int32_t>(lines.size());
    if (shownLines_ >= total) return;
    flushTimer_->stop();
    // The caret on the command line (or below it) follows the output to the
    // newest command line; a caret the user put in the history stays.
    const bool followOutput = CaretRow() >= followedPromptRow_;

    // Plain text is gathered and inserted in one piece; a coloured line is
    // inserted part by part with its colours.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    QString plain;
    for (std::int32_t row = shownLines_; row < total; ++row) {
        if (row > 0) plain += u'\n';
        if (lines[row].Colours.empty()) {
            plain += FromCodePage(lines[row].Text);
            continue;
        }
        cursor.insertText(plain, QTextCharFormat());
        plain.clear();
        InsertColouredLine(cursor, lines[row]);
    }
    cursor.insertText(plain, QTextCharFormat());
    cursor.endEditBlock();
    shownLines_ = total;
    followedPromptRow_ = PromptRow;
    if (!followOutput) return;
    MoveCaretToCommandLineEnd();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QTextCharFormat TWorkspace::ColourFormat(TextColour colour) const {
    QTextCharFormat format;
    format.setForeground(colour == TextColour::Error ? ErrorColour() : blankColour_);
    return format;
}

// The line's text with its coloured ranges, at the cursor.
void TWorkspace::InsertColouredLine(QTextCursor& cursor, const WorkspaceLine& line) {
    const QString text = FromCodePage(line.Text);
    std::vector<ColourRange> ranges = line.Colours;
    std::sort(ranges.begin(), ranges.end(),
              [](const ColourRange& a, const ColourRange& b) { return a.Range.Start < b.Range.Start; });
    int done = 0;
    for (const ColourRange& range : ranges) {
        const int start = std::clamp(range.Range.Start, done, static_cast<int>(text.size()));
        const int end = std::clamp(range.Range.Start + range.Range.Length, start, static_cast<int>(text.size()));
        if (start == end) continue;
        cursor.insertText(text.mid(done, start - done), QTextCharFormat());
        cursor.insertText(text.mid(start, end - start), ColourFormat(range.Colour));
        done = end;
    }
    cursor.insertText(text.mid(done), QTextCharFormat());
}

void TWorkspace::LineChanged(std::int32_t row) {
    if (row >= shownLines_) return;  // the pending flush shows it as it is then
    const WorkspaceLine& line = WorkspaceLines()[row];
    QTextBlock block = BlockOfRow(row);
    const bool caretInLine = textCursor().block() == block;
    const int caretColumn = textCursor().positionInBlock();
    const bool sameText = block.text() == FromCodePage(line.Text);
    if (sameText && line.Colours.empty() && IsPlain(block)) return;  // the user's own edit
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertColouredLine(cursor, line);
    cursor.endEditBlock();
    if (caretInLine) {
        // A line the user edits keeps its caret; a line the program rewrote
        // gets the caret at its end.
        QTextCursor caret(block);
        caret.setPosition(block.position() + (sameText ? caretColumn : block.length() - 1));
        setTextCursor(caret);
        ensureCursorVisible();
    }
}

void TWorkspace::WorkspaceCleared() {
    flushTimer_->stop();
    shownLines_ = 0;
    followedPromptRow_ = 0;
    clear();
}

void TWorkspace::HistoryAppended(std::int32_t index) {
    if (OnHistoryAppended) OnHistoryAppended(index);
}

void TWorkspace::HistoryCleared() {
    if (OnHistoryCleared) OnHistoryCleared();
}

QTextBlock TWorkspace::BlockOfRow(std::int32_t row) const { return document()->findBlockByNumber(row); }

void TWorkspace::SetBlankMatchedColour(const QColor& colour) {
    blankColour_ = colour;
    FlushPendingLines();
    const auto& lines = WorkspaceLines();
    for (std::int32_t row = 0; row < shownLines_; ++row)
        if (!lines[row].Colours.empty()) LineChanged(row);
}

// ---- The caret and the command line --------------------------------------------

std::int32_t TWorkspace::CaretRow() const { return shownLines_ == 0 ? -1 : textCursor().blockNumber(); }

std::int32_t TWorkspace::CaretColumn() const { return textCursor().positionInBlock(); }

bool TWorkspace::CaretInCommandLine() const { return IsInCommandLine(CaretRow(), CaretColumn()); }

std::string TWorkspace::CaretLineText() const { return ToCodePage(textCursor().block().text()); }

std::int32_t TWorkspace::CommandStartPosition() const {
    if (PromptRow < 0 || PromptRow >= shownLines_) return -1;
    return BlockOfRow(PromptRow).position() + PromptLength;
}

std::int32_t TWorkspace::CommandEndPosition() const {
    if (PromptRow < 0 || PromptRow >= shownLines_) return -1;
    const QTextBlock block = BlockOfRow(PromptRow);
    return block.position() + block.length() - 1;
}

bool TWorkspace::InCommandLine(int position) const {
    const std::int32_t start = CommandStartPosition();
    return start >= 0 && position >= start && position <= CommandEndPosition();
}

// The selection cut down to the part that lies on the command line, after
// the prompt; false when none of it does.
bool TWorkspace::ClipSelectionToCommandLine(QTextCursor& cursor) const {
    const std::int32_t start = CommandStartPosition();
    if (start < 0 || !cursor.hasSelection()) return false;
    const int from = std::max(cursor.selectionStart(), start);
    const int to = std::min(cursor.selectionEnd(), CommandEndPosition());
    if (from >= to) return false;
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return true;
}

bool TWorkspace::SelectionReachesCommandLine() const {
    QTextCursor cursor = textCursor();
    return ClipSelectionToCommandLine(cursor);
}

// Home takes the caret to the start of its line, or of the part of a wrapped
// line it is on; on the prompt line it stops where the command text starts.
void TWorkspace::KeepCaretAfterPrompt(QTextCursor::MoveMode mode) {
    QTextCursor cursor = textCursor();
    const std::int32_t start = CommandStartPosition();
    if (start < 0 || cursor.blockNumber() != PromptRow || cursor.position() >= start) return;
    cursor.setPosition(start, mode);
    setTextCursor(cursor);
}

void TWorkspace::MoveCaretToCommandLineEnd() {
    FlushPendingLines();
    const std::int32_t end = CommandEndPosition();
    if (end < 0) return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(end);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TWorkspace::CommandLineEditedHere() {
    ensureCursorVisible();
    SetCommandLine(ToCodePage(BlockOfRow(PromptRow).text().mid(PromptLength)));
    if (OnCommandLineEdited) OnCommandLineEdited();
}

// ---- Editing -------------------------------------------------------------------

void TWorkspace::TypeText(const QString& typed) {
    if (!CommandLineEditable()) return;
    FlushPendingLines();
    const QString text = CommandLineText(typed);
    if (text.isEmpty() || CommandStartPosition() < 0) return;
    QTextCursor cursor = textCursor();
    const bool inside = cursor.hasSelection() ? ClipSelectionToCommandLine(cursor) : InCommandLine(cursor.position());
    if (!inside) cursor.setPosition(CommandEndPosition());
    cursor.insertText(text, QTextCharFormat());
    setTextCursor(cursor);
    CommandLineEditedHere();
}

void TWorkspace::RemoveSelectionOrCharacter(QTextCursor::MoveOperation move) {
    if (!CommandLineEditable()) return;
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        if (!ClipSelectionToCommandLine(cursor)) return;
    } else {
        const int position = cursor.position();
        if (!InCommandLine(position)) return;
        cursor.movePosition(move, QTextCursor::KeepAnchor);
        const int target = std::clamp(cursor.position(), CommandStartPosition(), CommandEndPosition());
        cursor.setPosition(position);
        cursor.setPosition(target, QTextCursor::KeepAnchor);
        if (!cursor.hasSelection()) return;
    }
    cursor.removeSelectedText();
    setTextCursor(cursor);
    CommandLineEditedHere();
}

bool TWorkspace::DeleteKey(const QKeyEvent& event) {
    const bool word = (event.modifiers() & Qt::ControlModifier) != 0;
    if (event.key() == Qt::Key_Backspace)
        RemoveSelectionOrCharacter(word ? QTextCursor::PreviousWord : QTextCursor::PreviousCharacter);
    else if (event.key() == Qt::Key_Delete)
        RemoveSelectionOrCharacter(word ? QTextCursor::NextWord : QTextCursor::NextCharacter);
    else
        return false;
    return true;
}

void TWorkspace::CutToClipboard() {
    if (!CommandLineEditable()) return;
    FlushPendingLines();
    QTextCursor cursor = textCursor();
    if (!ClipSelectionToCommandLine(cursor)) return;
    SetClipboardText(ToCodePage(PlainSelection(cursor)));
    cursor.removeSelectedText();
    setTextCursor(cursor);
    CommandLineEditedHere();
}

void TWorkspace::CopyToClipboard() {
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) SetClipboardText(ToCodePage(PlainSelection(cursor)));
}

void TWorkspace::PasteFromClipboard() { TypeText(FromCodePage(ClipboardText())); }

bool TWorkspace::IsNavigationKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: return true;
        default: return event.matches(QKeySequence::SelectAll);
    }
}

void TWorkspace::keyPressEvent(QKeyEvent* event) {
    FlushPendingLines();
    if (OnKeyDown && OnKeyDown(KeyStrokeOf(*event))) return;
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
    } else if (event->matches(QKeySequence::Cut)) {
        CutToClipboard();
    } else if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
    } else if (IsNavigationKey(*event)) {
        QPlainTextEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Home)
            KeepCaretAfterPrompt((event->modifiers() & Qt::ShiftModifier) ? QTextCursor::KeepAnchor
                                                                          : QTextCursor::MoveAnchor);
    } else if (!DeleteKey(*event)) {
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier))
            TypeText(text);
        else
            event->ignore();  // edits nothing; the form may want it
    }
}

void TWorkspace::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) TypeText(event->commitString());
    event->accept();
}

bool TWorkspace::canInsertFromMimeData(const QMimeData* source) const {
    return CommandLineEditable() && source->hasText();
}

void TWorkspace::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) TypeText(source->text());
}

void TWorkspace::contextMenuEvent(QContextMenuEvent* event) {
    FlushPendingLines();
    QMenu menu(this);
    const bool selected = textCursor().hasSelection();
    const bool editable = CommandLineEditable();
    menu.addAction(tr("Cu&t"), this, &TWorkspace::CutToClipboard)
        ->setEnabled(editable && SelectionReachesCommandLine());
    menu.addAction(tr("&Copy"), this, &TWorkspace::CopyToClipboard)->setEnabled(selected);
    menu.addAction(tr("&Paste"), this, &TWorkspace::PasteFromClipboard)
        ->setEnabled(editable && !ClipboardText().empty());
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, &QPlainTextEdit::selectAll);
    menu.exec(event->globalPos());
}

// ---- Size in characters --------------------------------------------------------

std::int32_t TWorkspace::RowsInView() const {
    return std::max(1, viewport()->height() / std::max(1, fontMetrics().lineSpacing()));
}

// The columns of the text that can be seen: the viewport less the document's
// margins on both sides, and less the vertical scroll bar while it is hidden,
// so that the count holds whether the bar shows or not (it appears only once
// the workspace is full) and no line as wide as the count ever wraps.
std::int32_t TWorkspace::ColumnsInView() const {
    const QScrollBar* bar = verticalScrollBar();
    const qreal barWidth = bar->isVisibleTo(this) ? 0 : bar->sizeHint().width();
    const qreal textWidth = viewport()->width() - barWidth - 2 * document()->documentMargin();
    const qreal advance = std::max<qreal>(1, QFontMetricsF(font()).horizontalAdvance(u'x'));
    return std::max(1, static_cast<int>(std::floor(textWidth / advance)));
}

// A view at the foot of the text stays there when the viewport changes its
// size and the lines wrap anew: the scroll bar that appears once output fills
// the workspace, after the output was scrolled to, narrows the viewport, and
// the prompt line would otherwise end up below the edge.
void TWorkspace::resizeEvent(QResizeEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    const bool atFoot = bar->value() == bar->maximum();
    QPlainTextEdit::resizeEvent(event);
    if (atFoot) bar->setValue(bar->maximum());
    emit SizeInCharactersChanged();
}

void TWorkspace::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) emit SizeInCharactersChanged();
}

}  // namespace qora
