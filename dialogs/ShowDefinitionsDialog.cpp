#include "dialogs/ShowDefinitionsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "dialogs/DialogParts.h"
#include "dialogs/texts/DefinitionSearchText.h"
#include "dialogs/texts/FilterText.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/QuotedTextField.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

namespace qora {

QPointer<TShowDefnsDlg> ShowDefnsDlg;

namespace {

QLineEdit* NewTextField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    LimitToQuotableText(*field, DefinitionTextMaxLength);
    return field;
}

}  // namespace

TShowDefnsDlg::TShowDefnsDlg(QWidget* parent)
    : QoraDialog("Show Defiinitions Based on Their Contents", 580, 223, parent) {
    Label1 = new QLabel(QStringLiteral("Show definitions which include this text:"), this);
    String1 = NewTextField(this);
    Relop = new CommitComboBox(this);
    Relop->addItems({QStringLiteral("and no other condition"), QStringLiteral("and this text"),
                     QStringLiteral("and not this text"), QStringLiteral("or this text")});
    String2 = NewTextField(this);
    String2->hide();
    Label4 = new QLabel(QStringLiteral("Letter case is ignored for this search."), this);
    Label5 = new QLabel(QStringLiteral("Enclosing spaces are assumed, unless vertical bars start or"), this);
    Label6 = new QLabel(QStringLiteral("end the string. Up to 20-character strings are perrmitted ."), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* texts = new QHBoxLayout;
    texts->addWidget(String1, 1);
    texts->addWidget(Relop);
    texts->addWidget(String2, 1);
    layout->addLayout(texts);
    layout->addWidget(Label4);
    layout->addWidget(Label5);
    layout->addWidget(Label6);
    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    connect(Relop, &CommitComboBox::currentIndexChanged, this, &TShowDefnsDlg::RelopChange);
    connect(Relop, &CommitComboBox::committed, this, &TShowDefnsDlg::FocusText);
    connect(Relop, &CommitComboBox::reselected, this, &TShowDefnsDlg::FocusText);
    connect(OK, &QPushButton::clicked, this, &TShowDefnsDlg::OKClick);
}

void TShowDefnsDlg::FormActivate() {
    if (Relop->currentIndex() < 0) Relop->setCurrentIndex(0);
    String1->setFocus();
}

// The second text is there exactly while a connective is shown.
void TShowDefnsDlg::RelopChange(int item) { String2->setVisible(item > 0); }

void TShowDefnsDlg::FocusText() { MoveFocus(String2->isHidden() ? *String1 : *String2); }

void TShowDefnsDlg::OKClick() {
    const int item = String2->isHidden() ? 0 : Relop->currentIndex();
    const std::optional<std::string> command =
        DefinitionSearchCommand(ToCodePage(String1->text()), item, ToCodePage(String2->text()));
    if (command) {
        AppendToCommandLine(*command);
        FocusWorkspace();
    }
    CloseWithResult(mrOk);
}

}  // namespace qora
