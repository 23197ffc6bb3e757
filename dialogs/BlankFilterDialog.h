// The blank filter's editor, TEditQFBlank, on the shared set-filter form
// (dialogs/SetFilterEditor), with the ignore-vowels mark. OK types the filter
// through AppendBlankFilter, as the main window's check box does; a changed
// mark alone is a change.
#pragma once

#include <QPointer>

#include "dialogs/SetFilterEditor.h"

class QCheckBox;

namespace qora {

class TEditQFBlank : public SetFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFBlank(QWidget* parent = nullptr);

    QCheckBox* IgnoreVowels;

protected:
    void FormActivate() override;
    const SetFilter& Filter() const override;
    bool ExtrasAsOpened() const override;
    void Append(int item, const LetterCounts& letters) override;
};

extern QPointer<TEditQFBlank> EditQFBlank;

}  // namespace qora
