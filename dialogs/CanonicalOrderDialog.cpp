#include "dialogs/CanonicalOrderDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/OptionTexts.h"
#include "engine/QueryRecords.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

QPointer<TRandomOutputDlg> RandomOutputDlg;
QPointer<TCanonOutputDlg> CanonOutputDlg;

namespace {

constexpr int RackOrderLimit = 37;
constexpr int OutputOrderLimit = 36;

}  // namespace

CanonicalOrderForm::CanonicalOrderForm(bool randomRack, QWidget* parent)
    : QoraDialog(randomRack ? " Canonical Order of Random Racks" : " Canonical Order for Word Output", 440, 165,
                 parent),
      randomRack_(randomRack) {
    auto* layout = new QVBoxLayout(this);
    Info = new QLabel(randomRack ? QStringLiteral("Provide an ordering which includes every letter and a \"?\" once, "
                                                  "with up to 4 separator spaces and plus signs.")
                                 : QStringLiteral("Provide an ordering which includes every letter tile once, with up "
                                                  "to 4 separator spaces and plus signs. Using only uppercase letters "
                                                  "is suggested, but you may use lowercase letters if you want."),
                      this);
    Info->setWordWrap(true);
    layout->addWidget(Info);
    SpanishLabel = new QLabel(FromCodePage("You may use Ctrl-N to indicate \xD1."), this);
    layout->addWidget(SpanishLabel);
    CanonOrder = new QLineEdit(this);
    CanonOrder->setMaxLength(randomRack ? RackOrderLimit : OutputOrderLimit);
    CanonOrder->installEventFilter(this);
    layout->addWidget(CanonOrder);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    connect(CanonOrder, &QLineEdit::textChanged, this, &CanonicalOrderForm::CanonOrderChange);
    connect(OK, &QPushButton::clicked, this, &CanonicalOrderForm::OKClick);
}

void CanonicalOrderForm::FormActivate() {
    SpanishLabel->setVisible(SpanishLexiconActive != 0);
    OK->setEnabled(true);
    CanonOrder->setText(FromCodePage(AlphabeticalOrdering(randomRack_)));
    CanonOrderChange();
    CanonOrder->setFocus();
}

// OK is enabled only for an ordering that the command takes; text that the
// code page cannot hold is never one.
void CanonicalOrderForm::CanonOrderChange() {
    const QString text = CanonOrder->text();
    OK->setEnabled(FitsCodePage(text) && IsCompleteOrdering(ToCodePage(text), randomRack_));
}

// Ctrl+N inserts an N with a tilde at the caret (upper case with Shift), in
// every language, within the edit's length limit; a selection stays.
bool CanonicalOrderForm::CanonOrderKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_N || !(event.modifiers() & Qt::ControlModifier)) return false;
    const bool upper = (event.modifiers() & Qt::ShiftModifier) != 0;
    const std::string text = ToCodePage(CanonOrder->text());
    const CaretInsert insert = InsertAtCaret(text, static_cast<std::size_t>(CanonOrder->cursorPosition()),
                                             static_cast<char>(upper ? UpperEnye : LowerEnye),
                                             static_cast<std::size_t>(CanonOrder->maxLength()));
    if (insert.Done) {
        CanonOrder->setText(FromCodePage(insert.Text));
        CanonOrder->setCursorPosition(static_cast<int>(insert.Caret));
    }
    return true;
}

bool CanonicalOrderForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CanonOrder && event->type() == QEvent::KeyPress)
        return CanonOrderKeyDown(static_cast<const QKeyEvent&>(*event));
    return QoraDialog::eventFilter(watched, event);
}

void CanonicalOrderForm::OKClick() {
    const std::string typed = ToCodePage(CanonOrder->text());
    if (orderingList_ != nullptr) {
        std::vector<std::string> items;
        for (int i = 0; i < orderingList_->count(); ++i) items.push_back(ToCodePage(orderingList_->itemText(i)));
        const OrderingListUpdate update = UpdateOrderingList(items, orderingList_->currentIndex(), typed);
        if (update.Add) orderingList_->addItem(FromCodePage(typed));
        orderingList_->setCurrentIndex(update.Select);
        orderingList_->SetCommittedIndex(update.Select);
        if (!update.Append) return CloseWithResult(mrOk);
    }
    if (randomRack_)
        AppendRackOrderCommand(typed);
    else
        AppendCanonOrderCommand(typed);
    CloseWithResult(mrOk);
}

}  // namespace qora
