#include "dialogs/LargeOutputDialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "engine/Presentation.h"
#include "platform/ProgramState.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"

namespace qora {

std::int32_t TypedItemCount = LargeOutputLimit;
QPointer<TLargeOutput> LargeOutput;

namespace {

constexpr int ValueColumns = 11;
constexpr std::int32_t AllItems = -1;

const ProgramStateReset registerResetTypedItemCount([] { TypedItemCount = LargeOutputLimit; });

}  // namespace

TLargeOutput::TLargeOutput(QWidget* parent) : QoraDialog(" Large Slate Presentation", 461, 285, parent) {
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label2 = NewWrappedLabel(
        "Since this number exceeds 500, this is a check that you do indeed want this many items presented. If you "
        "go ahead, you can stop the presentation by typing ESC.",
        *this);
    Show25 = new QPushButton(QStringLiteral("Show First 25 Items"), this);
    Show250 = new QPushButton(QStringLiteral("Show First 250 Items"), this);
    Value = new NumberField(ValueColumns, this);
    Value->setFixedWidth(FieldWidthForDigits(*Value, ValueColumns));
    ShowThisMany = new QPushButton(QStringLiteral("Show This Many Initial Items:"), this);
    ShowAll = new QPushButton(QStringLiteral("Show All Items"), this);
    Cancel = new QPushButton(QStringLiteral("Cancel this presentation"), this);
    Help = NewHelpButton(*this);
    for (QPushButton* button : {Show25, Show250, ShowThisMany, ShowAll, Cancel, Help}) button->setAutoDefault(false);

    layout->addWidget(Label1);
    layout->addWidget(Label2);
    auto* answers = new QGridLayout;
    answers->addWidget(Show25, 0, 0);
    answers->addWidget(Show250, 1, 0);
    answers->addWidget(ShowThisMany, 2, 0);
    answers->addWidget(Value, 2, 1, Qt::AlignLeft);
    answers->addWidget(ShowAll, 3, 0);
    answers->setColumnStretch(2, 1);
    layout->addLayout(answers);
    layout->addStretch(1);
    AddCentred(*layout, {Cancel, Help});
    setTabOrder(Show25, Show250);
    setTabOrder(Show250, Value);
    setTabOrder(Value, ShowThisMany);
    setTabOrder(ShowThisMany, ShowAll);
    setTabOrder(ShowAll, Cancel);
    setTabOrder(Cancel, Help);

    Value->SetConfirmingButton(ShowThisMany);
    connect(Value, &NumberField::numberRead, this, &TLargeOutput::ValueKeyUp);
    connect(Show25, &QPushButton::clicked, this, &TLargeOutput::Show25Click);
    connect(Show250, &QPushButton::clicked, this, &TLargeOutput::Show250Click);
    connect(ShowThisMany, &QPushButton::clicked, this, &TLargeOutput::ShowThisManyClick);
    connect(ShowAll, &QPushButton::clicked, this, &TLargeOutput::ShowAllClick);
    for (QPushButton* button : {Show25, Show250, ShowThisMany}) SetModalResult(*button, mrOk);
    SetModalResult(*ShowAll, mrAll);
    SetModalResult(*Cancel, mrCancel);
}

void TLargeOutput::FormActivate() {
    TypedItemCount = LargeOutputLimit;
    Value->ShowNumber(TypedItemCount);
    ShowThisMany->setEnabled(true);
    Show25->setFocus();
}

// The form has no default button: Enter presses the answer button that has
// the focus (the first answer when the question opens), and does nothing in
// the count, where it could be taken for another answer. A repeat of the
// Enter that performed the query, still held down, answers nothing.
void TLargeOutput::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat();
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && focused != nullptr) {
        ClickIfEnabled(*focused);
        return;
    }
    QoraDialog::keyPressEvent(event);
}

// All digits (an empty field is 0); a count beyond 32 bits keeps the button
// disabled.
void TLargeOutput::ValueKeyUp() {
    TypedItemCount = static_cast<std::int32_t>(Value->Value());
    ShowThisMany->setEnabled(Value->Valid());
}

void TLargeOutput::Show25Click() { ItemsToShow = 25; }
void TLargeOutput::Show250Click() { ItemsToShow = 250; }
void TLargeOutput::ShowThisManyClick() { ItemsToShow = TypedItemCount; }
void TLargeOutput::ShowAllClick() { ItemsToShow = AllItems; }

std::int32_t AskLargeOutputQuestion(std::int32_t itemCount) {
    TLargeOutput& question = FormOf(LargeOutput, WorkspaceEdit != nullptr ? WorkspaceEdit->window() : nullptr);
    question.Label1->setText(FromCodePage(LargeOutputRequestText(itemCount)));
    if (WorkspaceEdit != nullptr)
        PlaceWindow(question, LowerRightAt(question, ScreenRectOf(*WorkspaceEdit).bottomRight() + QPoint(1, 1)));
    ItemsToShow = 0;
    question.ShowModal();
    FocusWorkspace();
    return ItemsToShow;
}

}  // namespace qora
