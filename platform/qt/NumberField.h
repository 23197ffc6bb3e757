// An edit field for a whole number (platform/FieldNumber.h).
//
// ShowNumber() writes the value right-aligned in the field's columns and
// selects its digits, so that typing replaces them; they stay selected when
// the window is activated with the focus elsewhere (Qt would deselect them),
// until the user enters the field. After every key release
// (and every other edit by the user, such as a paste) the text is read again:
// when a character is not a digit the field turns invalid and disables its
// confirming button at once; when the text is all digits the field emits
// numberRead(), on which the dialog runs its own check and enables the button
// when every condition holds.
#pragma once

#include "platform/FieldNumber.h"

#include <QLineEdit>

class QAbstractButton;

namespace qora {

// The width an edit field needs to show `digits` digits in its font.
int FieldWidthForDigits(const QLineEdit& field, int digits);

class NumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(int columns, QWidget* parent = nullptr);

    void SetEmptyRule(EmptyField rule) { emptyRule_ = rule; }
    void SetMaximum(std::int64_t maximum) { maximum_ = maximum; }
    void SetConfirmingButton(QAbstractButton* button) { confirmingButton_ = button; }

    void ShowNumber(std::int64_t value);
    std::int64_t Value() const { return number_.value; }
    bool Valid() const { return number_.valid; }

signals:
    void numberRead();  // the text was all digits (it may still be an invalid empty text)
    // The focus arrived from another control (not back from another window):
    // a dialog that shows its value afresh on entering does it here.
    void entered();

protected:
    bool event(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void SelectDigits();
    void ReadText();

    int columns_;
    EmptyField emptyRule_ = EmptyField::IsZero;
    std::int64_t maximum_ = FieldInt32Max;
    FieldNumber number_;
    QAbstractButton* confirmingButton_ = nullptr;
    bool digitsShownSelected_ = false;  // since ShowNumber, the user has not entered the field
};

}  // namespace qora
