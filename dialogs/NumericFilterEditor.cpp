#include "dialogs/NumericFilterEditor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/FilterText.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"

namespace qora {

namespace {

const char* const RelationCaptions[NumericRelationItemCount] = {
    "x - y", "x < y", "   <", "  <=", "   !=", "   =", "  >=", "   >"};

bool ShowsTwoValues(int item) { return item == 0 || item == 1; }

}  // namespace

NumericFilterEditor::NumericFilterEditor(const NumericFilterKind& kind, int clientWidth, int clientHeight,
                                         QWidget* parent)
    : QoraDialog(kind.Caption, clientWidth, clientHeight, parent), kind_(kind) {
    Label1 = new QLabel(QStringLiteral("Query results are to be constrained."), this);
    EQFVdatum = new QLabel(FromCodePage(kind.Datum), this);
    Relop = new CommitComboBox(this);
    for (const char* caption : RelationCaptions) Relop->addItem(FromCodePage(caption));
    connect(Relop, &CommitComboBox::committed, this, &NumericFilterEditor::RelopCommitted);
    connect(Relop, &CommitComboBox::reselected, this, [this] { MoveFocus(FirstValueControl()); });
    // The check follows the item shown, also while the keys move through the list.
    connect(Relop, &CommitComboBox::currentIndexChanged, this, &NumericFilterEditor::CheckOK);
}

void NumericFilterEditor::LayOut(std::initializer_list<QWidget*> values) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* row = new QHBoxLayout;
    row->addWidget(EQFVdatum);
    row->addWidget(Relop);
    for (QWidget* value : values) row->addWidget(value, 0, Qt::AlignTop);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &NumericFilterEditor::OKClick);
}

bool NumericFilterEditor::RelationHolds(int item) const {
    return NumericRelationHolds(item, FirstValue(), SecondValue());
}

void NumericFilterEditor::CheckOK() { OK->setEnabled(ValuesValid() && RelationHolds(Relop->currentIndex())); }

void NumericFilterEditor::FormActivate() {
    const NumericFilter& filter = DisplayedSettings.*kind_.Filter;
    initialItem_ = RelationCodeToItemIndex(filter.Relation);
    Relop->setCurrentIndex(initialItem_);
    Relop->SetCommittedIndex(initialItem_);
    ShowValues(filter);
    initialValue1_ = filter.Value1;
    initialValue2_ = filter.Value2;
    SecondValueControl().setVisible(ShowsTwoValues(initialItem_));
    CheckOK();
    FirstValueControl().setFocus();
}

void NumericFilterEditor::RelopCommitted(int item) {
    SecondValueControl().setVisible(ShowsTwoValues(item));
    CheckOK();
    MoveFocus(FirstValueControl());
}

void NumericFilterEditor::OKClick() {
    Relop->CommitShown();
    const int item = Relop->CommittedIndex();
    const bool asOpened = item == initialItem_ && FirstValue() == initialValue1_ && SecondValue() == initialValue2_ &&
                          !ValueGivenAsString();
    if (!asOpened) Append(item);
    CloseWithResult(mrOk);
}

}  // namespace qora
