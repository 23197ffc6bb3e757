#include "dialogs/ProbabilityFilterDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "dialogs/FilterAppend.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Text.h"
#include "processor/CommandLine.h"

namespace qora {

QPointer<TEditQFProbability> EditQFProbability;

namespace {

constexpr int IntegerColumns = 27;
constexpr int ClientWidth = 720;
constexpr int ClientHeight = 240;

const NumericFilterKind ProbabilityKind{" Query Filtering Based on Probability", "Probability is",
                                        &Settings::ProbabilityFilter};

}  // namespace

ProbabilityValueBox::ProbabilityValueBox(const char* caption, QWidget* parent)
    : QGroupBox(FromCodePage(caption), parent) {
    IntegerButton = new QRadioButton(QStringLiteral("Integer"), this);
    Integer = new NumberField(IntegerColumns, this);
    Integer->setFixedWidth(FieldWidthForDigits(*Integer, IntegerColumns));
    Integer->SetEmptyRule(EmptyField::IsInvalid);
    StringButton = new QRadioButton(QStringLiteral("Probability of String"), this);
    String = new QLineEdit(this);
    String->setMaxLength(ProbabilityStringMaxLength);
    auto* column = new QVBoxLayout(this);
    for (QWidget* control : {static_cast<QWidget*>(IntegerButton), static_cast<QWidget*>(Integer),
                             static_cast<QWidget*>(StringButton), static_cast<QWidget*>(String)})
        column->addWidget(control);
    connect(IntegerButton, &QRadioButton::clicked, this, [this] { Choose(false); });
    connect(StringButton, &QRadioButton::clicked, this, [this] { Choose(true); });
    connect(Integer, &NumberField::numberRead, this, &ProbabilityValueBox::changed);
    connect(String, &QLineEdit::textEdited, this, &ProbabilityValueBox::ReadString);
}

void ProbabilityValueBox::ShowInteger(std::int32_t value) {
    Integer->ShowNumber(value);
    IntegerButton->setChecked(true);
    Integer->setEnabled(true);
    String->setEnabled(false);
    stringValid_ = true;
}

bool ProbabilityValueBox::StringChosen() const { return StringButton->isChecked(); }

QWidget& ProbabilityValueBox::ChosenField() {
    if (StringChosen()) return *String;
    return *Integer;
}

bool ProbabilityValueBox::Valid() const { return Integer->Valid() && stringValid_; }

std::int32_t ProbabilityValueBox::Value() const { return static_cast<std::int32_t>(Integer->Value()); }

void ProbabilityValueBox::Choose(bool string) {
    Integer->setEnabled(!string);
    String->setEnabled(string);
    MoveFocus(ChosenField());
    // The string's value is counted again from the bag of now, so that the
    // integer shown is the value that the string types.
    if (string) ReadString();
}

// All letters: the value is the number of ways to draw them, shown in the
// integer field; anything else makes the string invalid.
void ProbabilityValueBox::ReadString() {
    const std::string text = ToCodePage(String->text().trimmed());
    const std::optional<std::int32_t> value = ProbabilityOfString(text, QuerySettings.LetterDistribution);
    stringValid_ = value.has_value();
    if (value) {
        letters_ = text;
        Integer->ShowNumber(*value);
    }
    emit changed();
}

TEditQFProbability::TEditQFProbability(QWidget* parent)
    : NumericFilterEditor(ProbabilityKind, ClientWidth, ClientHeight, parent) {
    Value1Box = new ProbabilityValueBox("Value", this);
    Value2Box = new ProbabilityValueBox("Other Value", this);
    LayOut({Value1Box, Value2Box});
    EQFVHelp = Help;
    Value1IntegerButton = Value1Box->IntegerButton;
    Value1Integer = Value1Box->Integer;
    Value1StringButton = Value1Box->StringButton;
    Value1String = Value1Box->String;
    Value2IntegerButton = Value2Box->IntegerButton;
    Value2Integer = Value2Box->Integer;
    Value2StringButton = Value2Box->StringButton;
    Value2String = Value2Box->String;
    for (ProbabilityValueBox* box : {Value1Box, Value2Box}) {
        box->Integer->SetConfirmingButton(OK);
        connect(box, &ProbabilityValueBox::changed, this, &TEditQFProbability::CheckOK);
    }
}

void TEditQFProbability::ShowValues(const NumericFilter& filter) {
    Value1Box->ShowInteger(filter.Value1);
    Value2Box->ShowInteger(filter.Value2);
}

QWidget& TEditQFProbability::FirstValueControl() { return Value1Box->ChosenField(); }
QWidget& TEditQFProbability::SecondValueControl() { return *Value2Box; }
bool TEditQFProbability::ValuesValid() const { return Value1Box->Valid() && Value2Box->Valid(); }
std::int32_t TEditQFProbability::FirstValue() const { return Value1Box->Value(); }
std::int32_t TEditQFProbability::SecondValue() const { return Value2Box->Value(); }
bool TEditQFProbability::ValueGivenAsString() const { return Value1Box->StringChosen() || Value2Box->StringChosen(); }

void TEditQFProbability::Append(int item) {
    const auto letters = [](const ProbabilityValueBox& box) {
        return box.StringChosen() ? std::optional<std::string_view>(box.Letters()) : std::nullopt;
    };
    AppendProbabilityFilter(item, FirstValue(), letters(*Value1Box), SecondValue(), letters(*Value2Box));
}

}  // namespace qora
