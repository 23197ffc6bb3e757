#include "dialogs/DefinitionFilterDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/DialogParts.h"
#include "dialogs/FilterAppend.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditQFDefn> EditQFDefn;

TEditQFDefn::TEditQFDefn(QWidget* parent) : QoraDialog("Query Filtering Based on Definitions", 456, 216, parent) {
    Label1 = new QLabel(QStringLiteral("Query results are to be constrained."), this);
    EQFVdatum = new QLabel(QStringLiteral("The word's definition"), this);
    Relop = new CommitComboBox(this);
    Relop->addItems({QStringLiteral("includes"), QStringLiteral("doesn't include")});
    Label2 = new QLabel(QStringLiteral("this string,"), this);
    Label3 = new QLabel(QStringLiteral("ignoring letter case:"), this);
    String = new QLineEdit(this);
    LimitToQuotableText(*String, DefinitionTextMaxLength);
    Label5 = new QLabel(QStringLiteral("Enclosing spaces are assumed, unless vertical bars start"), this);
    Label6 = new QLabel(QStringLiteral("or end the string. Up to 20-character strings are perrmitted."), this);
    Relop->SetNextControl(String);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* relation = new QHBoxLayout;
    relation->addWidget(EQFVdatum);
    relation->addWidget(Relop);
    relation->addWidget(Label2);
    relation->addStretch(1);
    layout->addLayout(relation);
    auto* text = new QHBoxLayout;
    text->addWidget(Label3);
    text->addWidget(String, 1);
    layout->addLayout(text);
    layout->addWidget(Label5);
    layout->addWidget(Label6);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    setTabOrder(String, Relop);
    connect(OK, &QPushButton::clicked, this, &TEditQFDefn::OKClick);
}

void TEditQFDefn::FormActivate() {
    const DefinitionFilter& filter = DisplayedSettings.DefinitionFilter;
    const int item = filter.Sense == 1 ? 0 : 1;
    Relop->setCurrentIndex(item);
    Relop->SetCommittedIndex(item);
    const QString typed = filter.Text.empty() ? QString() : FromCodePage(TypedDefinitionText(filter.Text));
    // A longer text typed on the command line is shown whole, so that OK keeps it.
    String->setMaxLength(std::max(DefinitionTextMaxLength, static_cast<int>(typed.size())));
    String->setText(typed);
    String->setFocus();
}

void TEditQFDefn::OKClick() {
    Relop->CommitShown();
    AppendDefinitionFilter(Relop->CommittedIndex(), ToCodePage(String->text()), false);
    CloseWithResult(mrOk);
}

}  // namespace qora
