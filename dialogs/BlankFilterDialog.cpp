#include "dialogs/BlankFilterDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>

#include "dialogs/FilterAppend.h"
#include "processor/Settings.h"

namespace qora {

QPointer<TEditQFBlank> EditQFBlank;

TEditQFBlank::TEditQFBlank(QWidget* parent)
    : SetFilterEditor(" Query Filtering Based on the Letters a Blank Matches",
                      "Query results are to be constrained:  ", "The Blank is", parent) {
    IgnoreVowels = new QCheckBox(QStringLiteral("Ignore vowels when comparing if none mentioned"), this);
    HomeRow().addWidget(IgnoreVowels);
    connect(IgnoreVowels, &QCheckBox::clicked, this, &TEditQFBlank::FocusHome);
}

void TEditQFBlank::FormActivate() {
    IgnoreVowels->setChecked(DisplayedSettings.BlankIgnoreVowels != 0);
    SetFilterEditor::FormActivate();
}

const SetFilter& TEditQFBlank::Filter() const { return DisplayedSettings.BlankFilter; }

bool TEditQFBlank::ExtrasAsOpened() const {
    return IgnoreVowels->isChecked() == (DisplayedSettings.BlankIgnoreVowels != 0);
}

void TEditQFBlank::Append(int item, const LetterCounts& letters) {
    AppendBlankFilter(item, letters, IgnoreVowels->isChecked());
}

}  // namespace qora
