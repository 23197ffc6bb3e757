#include "dialogs/HooksFilterDialog.h"

#include <QLabel>

#include "dialogs/FilterAppend.h"
#include "engine/Listings.h"
#include "platform/qt/Text.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditQFHooks> EditQFHooks;

namespace {

const char* Side() { return HooksDialogFront ? "Front" : "Back"; }

}  // namespace

TEditQFHooks::TEditQFHooks(QWidget* parent)
    : SetFilterEditor(" Query Filtering Based on Front Hooks",
                      "  Query results are to be constrained:  ", "Front Hooks are:", parent) {}

void TEditQFHooks::FormActivate() {
    SetCaption(FormatText(" Query Filtering Based on %s Hooks", Side()));
    Datum->setText(FromCodePage(FormatText("%s Hooks are:", Side())));
    SetFilterEditor::FormActivate();
}

const SetFilter& TEditQFHooks::Filter() const {
    return HooksDialogFront ? DisplayedSettings.FrontHooksFilter : DisplayedSettings.BackHooksFilter;
}

void TEditQFHooks::Append(int item, const LetterCounts& letters) { AppendHooksFilter(HooksDialogFront, item, letters); }

}  // namespace qora
