#include "dialogs/NumericFilterDialogs.h"

#include <QPushButton>

#include "dialogs/FilterAppend.h"
#include "engine/Lexicons.h"
#include "platform/qt/NumberField.h"

namespace qora {

QPointer<TEditQFWordLength> EditQFWordLength;
QPointer<TEditQFWordScore> EditQFWordScore;
QPointer<TEditQFAnagramCount> EditQFAnagramCount;
QPointer<TEditQFWordCount> EditQFWordCount;

namespace {

constexpr int ValueColumns = 15;
constexpr int ClientWidth = 540;
constexpr int ClientHeight = 110;

NumberField* NewValueField(QWidget* parent) {
    auto* field = new NumberField(ValueColumns, parent);
    field->setFixedWidth(FieldWidthForDigits(*field, ValueColumns));
    return field;
}

}  // namespace

PlainNumericFilterEditor::PlainNumericFilterEditor(const NumericFilterKind& kind, AppendFilter append, QWidget* parent)
    : NumericFilterEditor(kind, ClientWidth, ClientHeight, parent), append_(append) {
    Value1 = NewValueField(this);
    Value2 = NewValueField(this);
    LayOut({Value1, Value2});
    for (NumberField* field : {Value1, Value2}) {
        field->SetConfirmingButton(OK);
        connect(field, &NumberField::numberRead, this, &PlainNumericFilterEditor::CheckOK);
    }
}

void PlainNumericFilterEditor::ShowValues(const NumericFilter& filter) {
    Value1->ShowNumber(filter.Value1);
    Value2->ShowNumber(filter.Value2);
}

QWidget& PlainNumericFilterEditor::FirstValueControl() { return *Value1; }
QWidget& PlainNumericFilterEditor::SecondValueControl() { return *Value2; }
bool PlainNumericFilterEditor::ValuesValid() const { return Value1->Valid() && Value2->Valid(); }
std::int32_t PlainNumericFilterEditor::FirstValue() const { return static_cast<std::int32_t>(Value1->Value()); }
std::int32_t PlainNumericFilterEditor::SecondValue() const { return static_cast<std::int32_t>(Value2->Value()); }
void PlainNumericFilterEditor::Append(int item) { append_(item, FirstValue(), SecondValue()); }

TEditQFWordLength::TEditQFWordLength(QWidget* parent)
    : PlainNumericFilterEditor({" Query Filtering Based on Word Length", "Word Length is", &Settings::LengthFilter},
                               AppendWordLengthFilter, parent) {}

bool TEditQFWordLength::RelationHolds(int item) const {
    return WordLengthRelationHolds(item, FirstValue(), SecondValue(), MaxWordLength);
}

TEditQFWordScore::TEditQFWordScore(QWidget* parent)
    : PlainNumericFilterEditor({" Query Filtering Based on Word Score", "Word Score is", &Settings::ScoreFilter},
                               AppendWordScoreFilter, parent) {}

TEditQFAnagramCount::TEditQFAnagramCount(QWidget* parent)
    : PlainNumericFilterEditor(
          {" Query Filtering Based on Anagram Count", "Anagram Count is", &Settings::AnagramCountFilter},
          AppendAnagramCountFilter, parent) {}

TEditQFWordCount::TEditQFWordCount(QWidget* parent)
    : PlainNumericFilterEditor({" Query Filtering Based on Word Count", "Word Count is", &Settings::WordCountFilter},
                               AppendWordCountFilter, parent) {}

}  // namespace qora
