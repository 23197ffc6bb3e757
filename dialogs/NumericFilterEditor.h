// NumericFilterEditor, the form that the five numeric query-filter editors
// share (word length, word score, probability, anagram count, word count):
// "Query results are to be constrained.", the filter's datum label, the
// relation list of eight items, the member's values, and OK, Cancel and Help.
//
// Each showing starts from the filter of DisplayedSettings. The OK check runs
// on every change of a value or of the item shown: every value must be valid
// and fit the relation shown. OK types the filter through the member's Append
// operation (dialogs/FilterAppend), as the main window's check box does, after
// committing the item shown; it types nothing when the relation and the values
// are those the dialog opened with.
#pragma once

#include <QPointer>
#include <cstdint>
#include <initializer_list>

#include "dialogs/DialogParts.h"
#include "engine/QueryRecords.h"
#include "platform/qt/Dialogs.h"

class QLabel;

namespace qora {

class CommitComboBox;

// What sets one editor apart: caption, datum label and the filter it edits.
struct NumericFilterKind {
    const char* Caption;
    const char* Datum;
    NumericFilter Settings::*Filter;
};

class NumericFilterEditor : public QoraDialog, public ConfirmButtons {
    Q_OBJECT

public:
    QLabel* Label1;
    QLabel* EQFVdatum;
    CommitComboBox* Relop;

protected:
    NumericFilterEditor(const NumericFilterKind& kind, int clientWidth, int clientHeight, QWidget* parent);

    // Lays the form out with the member's value controls after the relation
    // list; called once by the member's constructor.
    void LayOut(std::initializer_list<QWidget*> values);

    // The member's values.
    virtual void ShowValues(const NumericFilter& filter) = 0;
    virtual QWidget& FirstValueControl() = 0;   // takes the focus
    virtual QWidget& SecondValueControl() = 0;  // shown for "x - y" and "x < y" only
    virtual bool ValuesValid() const = 0;       // every value, shown or not
    virtual std::int32_t FirstValue() const = 0;
    virtual std::int32_t SecondValue() const = 0;
    virtual bool RelationHolds(int item) const;
    virtual bool ValueGivenAsString() const { return false; }
    virtual void Append(int item) = 0;

    void CheckOK();
    void FormActivate() override;

private:
    void RelopCommitted(int item);
    void OKClick();

    const NumericFilterKind kind_;
    int initialItem_ = 0;
    std::int32_t initialValue1_ = 0;
    std::int32_t initialValue2_ = 0;
};

}  // namespace qora
