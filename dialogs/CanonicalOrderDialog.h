// The canonical-order dialogs: the user types a new ordering of the tiles of
// random racks (TRandomOutputDlg, "/.") or of the letters of output words
// (TCanonOutputDlg, "/;"). OK adds the ordering to the main window's list of
// orderings, chooses it there and types its command onto the command line.
// The operations that type an ordering command also serve the main window's
// ordering lists.
#pragma once

#include <QPointer>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qora {

// Appends "/.\"" + the ordering + "\"", the order of the tiles of random racks
// (no blank follows).
void AppendRackOrderCommand(std::string_view ordering);

// Appends "/;\"" + the ordering + "\"", the order of the letters of output
// words (no blank follows).
void AppendCanonOrderCommand(std::string_view ordering);

// Whether OK may confirm the typed ordering: the command would be accepted.
bool IsCompleteOrdering(std::string_view text, bool randomRack);

// What OK does with a list of orderings whose item `current` is chosen: the
// item to choose (-1 none), whether the typed ordering is first added as the
// last item, and whether its command is appended.
struct OrderingListUpdate {
    int Select = -1;
    bool Add = false;
    bool Append = false;
};
OrderingListUpdate UpdateOrderingList(const std::vector<std::string>& items, int current, std::string_view typed);

// The text with `c` inserted at `caret`, or nothing when the text already
// holds `limit` characters.
struct CaretInsert {
    bool Done = false;
    std::string Text;
    std::size_t Caret = 0;  // after the inserted character
};
CaretInsert InsertAtCaret(std::string_view text, std::size_t caret, char c, std::size_t limit);

// The form of both dialogs; they differ in what they order.
class CanonicalOrderForm : public QoraDialog {
    Q_OBJECT

public:
    QLabel* Info;
    QLabel* SpanishLabel;  // shown while the primary lexicon is Spanish
    QLineEdit* CanonOrder;
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* Help;

    // The main window's list of these orderings, which OK updates.
    void SetOrderingList(CommitComboBox* list) { orderingList_ = list; }

protected:
    CanonicalOrderForm(bool randomRack, QWidget* parent);
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CanonOrderChange();
    bool CanonOrderKeyDown(const QKeyEvent& event);  // true when the key was used
    void OKClick();

    bool randomRack_;
    QPointer<CommitComboBox> orderingList_;
};

class TRandomOutputDlg : public CanonicalOrderForm {
    Q_OBJECT

public:
    explicit TRandomOutputDlg(QWidget* parent = nullptr) : CanonicalOrderForm(true, parent) {}
};

class TCanonOutputDlg : public CanonicalOrderForm {
    Q_OBJECT

public:
    explicit TCanonOutputDlg(QWidget* parent = nullptr) : CanonicalOrderForm(false, parent) {}
};

extern QPointer<TRandomOutputDlg> RandomOutputDlg;
extern QPointer<TCanonOutputDlg> CanonOutputDlg;

}  // namespace qora
