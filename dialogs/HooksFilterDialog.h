// The hooks filter's editor, TEditQFHooks: one form for the front hooks and
// the back hooks (HooksDialogFront, set by the main window before it opens the
// form, says which), on the shared set-filter form (dialogs/SetFilterEditor).
// OK types the filter through AppendHooksFilter, as the main window's check
// box does.
#pragma once

#include <QPointer>

#include "dialogs/SetFilterEditor.h"

namespace qora {

class TEditQFHooks : public SetFilterEditor {
    Q_OBJECT

public:
    explicit TEditQFHooks(QWidget* parent = nullptr);

protected:
    void FormActivate() override;
    const SetFilter& Filter() const override;
    void Append(int item, const LetterCounts& letters) override;
};

extern QPointer<TEditQFHooks> EditQFHooks;

}  // namespace qora
