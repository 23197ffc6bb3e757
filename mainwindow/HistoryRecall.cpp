#include "mainwindow/HistoryRecall.h"

#include <QListWidget>
#include <QTimer>
#include <algorithm>

#include "platform/Scaling.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

namespace {

// The least the box shrinks to on a small screen.
constexpr int BoxMinimumHeight = 60;
// How long entries made while a query or command file runs may wait before
// they are shown.
constexpr int RowsDelayMilliseconds = 100;

}  // namespace

HistoryRecall::HistoryRecall(HistoryRecallHost& host, QWidget& column)
    : QObject(&column), host_(host), box_(new QListWidget(&column)), rowsTimer_(new QTimer(this)) {
    // Rows of one height: adding a row does not measure every other row.
    box_->setUniformItemSizes(true);
    box_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    box_->setMinimumHeight(Scaled(BoxMinimumHeight));
    box_->setFocusPolicy(Qt::ClickFocus);
    box_->setToolTip(tr("Command history: double-click a line to put it on the command line"));
    connect(box_, &QListWidget::itemDoubleClicked, this, &HistoryRecall::RowDoubleClicked);
    rowsTimer_->setSingleShot(true);
    rowsTimer_->setInterval(RowsDelayMilliseconds);
    connect(rowsTimer_, &QTimer::timeout, this, &HistoryRecall::ShowNewRows);
}

// A typed command's entry shows at once; while a query or command file runs
// the entries are gathered and shown together a few times a second.
void HistoryRecall::EntryAdded() {
    index_ = CommandHistory.size();
    if (host_.ControlsEnabled())
        ShowNewRows();
    else if (!rowsTimer_->isActive())
        rowsTimer_->start();
}

void HistoryRecall::Cleared() {
    rowsTimer_->stop();
    box_->clear();
    index_ = 0;
}

void HistoryRecall::RecallFromNewest() { index_ = CommandHistory.size(); }

void HistoryRecall::ShowNewRows() {
    rowsTimer_->stop();
    const std::size_t shown = static_cast<std::size_t>(box_->count());
    if (shown >= CommandHistory.size()) return;
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(CommandHistory.size() - shown));
    for (std::size_t index = shown; index < CommandHistory.size(); ++index)
        rows.append(FromCodePage(CommandHistory[index]));
    box_->addItems(rows);
    box_->scrollToBottom();
}

void HistoryRecall::RowDoubleClicked(QListWidgetItem* item) {
    const int index = box_->row(item);
    if (!host_.ControlsEnabled() || index < 0 || static_cast<std::size_t>(index) >= CommandHistory.size()) return;
    host_.ReplaceCommandLine(CommandHistory[index]);
    FocusWorkspace();
}

// Past the newest entry the line typed before recalling comes back.
void HistoryRecall::Recall(int step) {
    const std::size_t size = CommandHistory.size();
    index_ = std::min(index_, size);
    if (step < 0 && index_ == 0) return;
    if (step > 0 && index_ == size) return;
    if (index_ == size) lineBeforeRecall_ = CommandLine();
    index_ = step < 0 ? index_ - 1 : index_ + 1;
    host_.ReplaceCommandLine(index_ == size ? lineBeforeRecall_ : CommandHistory[index_]);
}

}  // namespace qora
