// The command history beside the workspace (`CommandHistoryBox`) and its
// recall onto the command line: Up and Down on the command line step through
// the entries (past the newest entry the line typed before recalling comes
// back), and a double-click on a row puts its entry on the command line
// (class HistoryRecall; what it asks of the main window is
// HistoryRecallHost).
//
// A typed command's entry shows at once; the entries made while a query or
// command file runs are gathered and added together a few times a second,
// and when the controls come back.
#pragma once

#include <QObject>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class QListWidget;
class QListWidgetItem;
class QTimer;
class QWidget;

namespace qora {

// What the history recall needs of the main window.
class HistoryRecallHost {
public:
    virtual ~HistoryRecallHost() = default;
    // False while a query or command file runs: nothing is recalled then.
    virtual bool ControlsEnabled() const = 0;
    // Puts the text on the command line and checks it again.
    virtual void ReplaceCommandLine(std::string_view text) = 0;
};

class HistoryRecall : public QObject {
    Q_OBJECT

public:
    // The box is made as a child of `column`.
    HistoryRecall(HistoryRecallHost& host, QWidget& column);

    QListWidget& CommandHistoryBox() const { return *box_; }

    // An entry was added to the command history; the next Up recalls it.
    void EntryAdded();
    // The command history was emptied.
    void Cleared();
    // A line was performed: the next Up recalls the newest entry.
    void RecallFromNewest();
    // Shows the entries that are not in the box yet.
    void ShowNewRows();
    // Up (-1) or Down (+1) on the command line.
    void Recall(int step);

private:
    void RowDoubleClicked(QListWidgetItem* item);

    HistoryRecallHost& host_;
    QListWidget* box_;
    QTimer* rowsTimer_;
    // The entry shown, and the line typed before recalling.
    std::size_t index_ = 0;
    std::string lineBeforeRecall_;
};

}  // namespace qora
