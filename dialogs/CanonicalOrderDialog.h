// The canonical-order dialogs, two forms on CanonicalOrderForm: the user types
// a new ordering of the tiles of random racks (TRandomOutputDlg, "/.") or of
// the letters of output words (TCanonOutputDlg, "/;"). OK adds the ordering to
// the main window's list of orderings, chooses it there and types its command
// onto the command line (dialogs/texts/OptionTexts).
#pragma once

#include <QPointer>

#include "dialogs/DialogParts.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Dialogs.h"

class QLabel;
class QLineEdit;

namespace qora {

// The form of both dialogs; they differ in what they order.
class CanonicalOrderForm : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    QLabel* Info;
    QLabel* SpanishLabel;  // shown while the primary lexicon is Spanish
    QLineEdit* CanonOrder;

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
