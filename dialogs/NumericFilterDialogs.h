// The editors of the word-length, word-score, anagram-count and word-count
// filters (TEditQFWordLength, TEditQFWordScore, TEditQFAnagramCount,
// TEditQFWordCount): the shared numeric form (dialogs/NumericFilterEditor) as
// PlainNumericFilterEditor, with two number fields, Value1 and Value2, "%15d"
// and an emptied field counting as 0. The word-length editor also keeps the
// length within the lexicon's words.
#pragma once

#include <QPointer>

#include "dialogs/NumericFilterEditor.h"

namespace qora {

class NumberField;

class PlainNumericFilterEditor : public NumericFilterEditor {
    Q_OBJECT

public:
    NumberField* Value1;
    NumberField* Value2;

protected:
    using AppendFilter = void (*)(int item, int value1, int value2);
    PlainNumericFilterEditor(const NumericFilterKind& kind, AppendFilter append, QWidget* parent);

    void ShowValues(const NumericFilter& filter) override;
    QWidget& FirstValueControl() override;
    QWidget& SecondValueControl() override;
    bool ValuesValid() const override;
    std::int32_t FirstValue() const override;
    std::int32_t SecondValue() const override;
    void Append(int item) override;

private:
    AppendFilter append_;
};

class TEditQFWordLength : public PlainNumericFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFWordLength(QWidget* parent = nullptr);

protected:
    bool RelationHolds(int item) const override;  // within MaxWordLength
};

class TEditQFWordScore : public PlainNumericFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFWordScore(QWidget* parent = nullptr);
};

class TEditQFAnagramCount : public PlainNumericFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFAnagramCount(QWidget* parent = nullptr);
};

class TEditQFWordCount : public PlainNumericFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFWordCount(QWidget* parent = nullptr);
};

extern QPointer<TEditQFWordLength> EditQFWordLength;
extern QPointer<TEditQFWordScore> EditQFWordScore;
extern QPointer<TEditQFAnagramCount> EditQFAnagramCount;
extern QPointer<TEditQFWordCount> EditQFWordCount;

}  // namespace qora
