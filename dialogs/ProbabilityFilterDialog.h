// The probability filter's editor, TEditQFProbability: the shared numeric form
// (dialogs/NumericFilterEditor) whose two values are each given either as an
// integer ("%27ld"; an emptied field is invalid) or as a string of letters
// whose probability, the number of ways to draw it from the bag of the line
// last checked, is the value ("{QI}" on the command line). The strings are
// kept from one showing to the next; every showing starts with both integers
// chosen.
#pragma once

#include <QGroupBox>
#include <QPointer>
#include <string>

#include "dialogs/NumericFilterEditor.h"

class QLineEdit;
class QRadioButton;

namespace qora {

class NumberField;

// One value of the editor: "Integer" above its field, "Probability of String"
// above its field; only the field chosen is enabled.
class ProbabilityValueBox : public QGroupBox {
    Q_OBJECT

public:
    ProbabilityValueBox(const char* caption, QWidget* parent);

    QRadioButton* IntegerButton;
    NumberField* Integer;
    QRadioButton* StringButton;
    QLineEdit* String;

    // The value as an integer, the integer chosen; the string is kept.
    void ShowInteger(std::int32_t value);
    bool StringChosen() const;
    QWidget& ChosenField();
    // Both fields: the integer all digits, the string all letters (as last
    // read). The check counts both, whichever is chosen.
    bool Valid() const;
    std::int32_t Value() const;
    const std::string& Letters() const { return letters_; }  // the string last read without fault

signals:
    void changed();  // a field was read: the form runs its OK check

private:
    void Choose(bool string);
    void ReadString();

    std::string letters_;
    bool stringValid_ = true;
};

class TEditQFProbability : public NumericFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFProbability(QWidget* parent = nullptr);

    ProbabilityValueBox* Value1Box;
    QRadioButton* Value1IntegerButton;
    NumberField* Value1Integer;
    QRadioButton* Value1StringButton;
    QLineEdit* Value1String;
    ProbabilityValueBox* Value2Box;
    QRadioButton* Value2IntegerButton;
    NumberField* Value2Integer;
    QRadioButton* Value2StringButton;
    QLineEdit* Value2String;
    QPushButton* EQFVHelp;  // the Help button

protected:
    void ShowValues(const NumericFilter& filter) override;
    QWidget& FirstValueControl() override;
    QWidget& SecondValueControl() override;
    bool ValuesValid() const override;
    std::int32_t FirstValue() const override;
    std::int32_t SecondValue() const override;
    bool ValueGivenAsString() const override;
    void Append(int item) override;
};

extern QPointer<TEditQFProbability> EditQFProbability;

}  // namespace qora
