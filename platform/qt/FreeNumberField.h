// The number of a new wordlist: an edit field with up-down arrows beside it,
// which step to the next number not in use.
//
// A click of an arrow moves on from the arrows' new position past every
// number in use (StepToFreeNumber); when no number within the range is free
// in that direction, the arrows go back and the field stays as it was. A
// typed number counts only when it is all digits, within the range and not in
// use; the arrows then take it. Number() is the last number that counted.
#pragma once

#include <QWidget>
#include <functional>

namespace qora {

class NumberField;
class UpDown;

class FreeNumberField : public QWidget {
    Q_OBJECT

public:
    // columns: the digits shown ("%2d"); lowest..highest: the numbers offered.
    FreeNumberField(int columns, int lowest, int highest, std::function<bool(int)> inUse, QWidget* parent = nullptr);

    // Shows `number` and puts the arrows on it; a number outside the range
    // (no number free) leaves the field empty and invalid.
    void Reset(int number);
    bool Valid() const { return valid_; }
    int Number() const { return settled_; }

    NumberField* Field() const { return field_; }
    UpDown* Arrows() const { return arrows_; }

signals:
    void changed();  // after every click and edit: Valid() and Number() may differ

private:
    bool Free(int number) const;
    void Step(int step);
    void ReadTyped();

    NumberField* field_;
    UpDown* arrows_;
    int lowest_;
    int highest_;
    std::function<bool(int)> inUse_;
    int settled_;
    bool valid_ = false;
};

}  // namespace qora
