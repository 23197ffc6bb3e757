#include "mainwindow/FilterControls.h"

#include "dialogs/FilterAppend.h"
#include "dialogs/texts/ControlTexts.h"
#include "platform/qt/Focus.h"
#include "processor/Console.h"
#include "processor/Settings.h"

#include <QCheckBox>
#include <QToolButton>

namespace qora {

namespace {

int ItemOf(const NumericFilter& filter) { return RelationCodeToItemIndex(filter.Relation); }
int ItemOf(const SetFilter& filter) { return SetRelationItem(filter.Relation); }

template <auto Filter>
bool IsOn(const Settings& settings) {
    return (settings.*Filter).Active != 0;
}

template <auto Filter>
std::string ShownNumeric(const Settings& settings) {
    return NumericFilterDisplay(settings.*Filter);
}

template <auto Filter, void (*Append)(int, int, int)>
void AppendNumeric(const Settings& settings) {
    const NumericFilter& filter = settings.*Filter;
    Append(ItemOf(filter), filter.Value1, filter.Value2);
}

template <auto Filter>
std::string ShownHooks(const Settings& settings) {
    return HooksFilterDisplay(settings.*Filter);
}

template <auto Filter, bool Front>
void AppendHooks(const Settings& settings) {
    const SetFilter& filter = settings.*Filter;
    AppendHooksFilter(Front, ItemOf(filter), filter.Letters.Counts);
}

// One query filter as its row shows and types it.
struct FilterRowParts {
    QCheckBox* FilterPage::*Check;
    DialogBox* FilterPage::*Value;
    QToolButton* FilterPage::*Button;
    const char* Caption;
    ControlDialog Editor;
    const char* SwitchOff;  // typed when the box is cleared
    bool (*Active)(const Settings&);
    std::string (*Shown)(const Settings&);  // the value box's text
    void (*SwitchOn)(const Settings&);      // typed when the box is ticked
};

using F = FilterPage;
using S = Settings;

const FilterRowParts FilterRows[FilterPage::FilterCount] = {
    {&F::FilteringLength, &F::FilteringLengthValue, &F::FilteringLengthButton, "Length", ControlDialog::LengthFilter,
     "/|- ", IsOn<&S::LengthFilter>, ShownNumeric<&S::LengthFilter>,
     AppendNumeric<&S::LengthFilter, AppendWordLengthFilter>},
    {&F::FilteringScore, &F::FilteringScoreValue, &F::FilteringScoreButton, "Score", ControlDialog::ScoreFilter, "/$- ",
     IsOn<&S::ScoreFilter>, ShownNumeric<&S::ScoreFilter>, AppendNumeric<&S::ScoreFilter, AppendWordScoreFilter>},
    {&F::FilteringProbability, &F::FilteringProbabilityValue, &F::FilteringProbabilityButton, "Probability",
     ControlDialog::ProbabilityFilter, "/%- ", IsOn<&S::ProbabilityFilter>, ShownNumeric<&S::ProbabilityFilter>,
     [](const Settings& s) {
         const NumericFilter& filter = s.ProbabilityFilter;
         AppendProbabilityFilter(ItemOf(filter), filter.Value1, std::nullopt, filter.Value2, std::nullopt);
     }},
    {&F::FilteringWordCount, &F::FilteringWordCountValue, &F::FilteringWordCountButton, "Word count",
     ControlDialog::WordCountFilter, "/#- ", IsOn<&S::WordCountFilter>, ShownNumeric<&S::WordCountFilter>,
     AppendNumeric<&S::WordCountFilter, AppendWordCountFilter>},
    {&F::FilteringAnagramCount, &F::FilteringAnagramCountValue, &F::FilteringAnagramCountButton, "Anagrams",
     ControlDialog::AnagramCountFilter, "/&- ", IsOn<&S::AnagramCountFilter>, ShownNumeric<&S::AnagramCountFilter>,
     AppendNumeric<&S::AnagramCountFilter, AppendAnagramCountFilter>},
    {&F::FilteringFrontHooks, &F::FilteringFrontHooksValue, &F::FilteringFrontHooksButton, "Front hooks",
     ControlDialog::FrontHooksFilter, "/<- ", IsOn<&S::FrontHooksFilter>, ShownHooks<&S::FrontHooksFilter>,
     AppendHooks<&S::FrontHooksFilter, true>},
    {&F::FilteringBackHooks, &F::FilteringBackHooksValue, &F::FilteringBackHooksButton, "Back hooks",
     ControlDialog::BackHooksFilter, "/>- ", IsOn<&S::BackHooksFilter>, ShownHooks<&S::BackHooksFilter>,
     AppendHooks<&S::BackHooksFilter, false>},
    {&F::FilteringBlank, &F::FilteringBlankValue, &F::FilteringBlankButton, "Blanks", ControlDialog::BlankFilter,
     "/:- ", IsOn<&S::BlankFilter>,
     [](const Settings& s) { return BlankFilterDisplay(s.BlankFilter, s.BlankIgnoreVowels != 0); },
     [](const Settings& s) {
         AppendBlankFilter(ItemOf(s.BlankFilter), s.BlankFilter.Letters.Counts, s.BlankIgnoreVowels != 0);
     }},
    {&F::FilteringDefn, &F::FilteringDefnValue, &F::FilteringDefnButton, "Definition", ControlDialog::DefinitionFilter,
     "/\"- ", IsOn<&S::DefinitionFilter>, [](const Settings& s) { return DefinitionFilterDisplay(s.DefinitionFilter); },
     [](const Settings& s) {
         AppendDefinitionFilter(s.DefinitionFilter.Sense == 1 ? 0 : 1, s.DefinitionFilter.Text, true);
     }},
};

constexpr int ValueColumns = 9;

}  // namespace

FilterPage::FilterPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    PageRows rows(*this);
    for (int filter = 0; filter < FilterCount; ++filter) {
        const FilterRowParts& row = FilterRows[filter];
        QCheckBox* check = this->*row.Check = new QCheckBox(row.Caption);
        DialogBox* value = this->*row.Value = new DialogBox(host, row.Editor, ValueColumns);
        QToolButton* button = this->*row.Button = NewValueButton(host, row.Editor);
        connect(check, &QCheckBox::clicked, this, [this, filter](bool ticked) { FilterClicked(filter, ticked); });
        rows.Add(check, value, button);
    }
    rows.End();
}

void FilterPage::FilterClicked(int filter, bool ticked) {
    const FilterRowParts& row = FilterRows[filter];
    if (ticked)
        row.SwitchOn(DisplayedSettings);
    else
        AppendToCommandLine(row.SwitchOff);
    FocusWorkspace();
}

void FilterPage::ShowSettings(const Settings& settings) {
    for (const FilterRowParts& row : FilterRows) {
        (this->*row.Check)->setChecked(row.Active(settings));
        (this->*row.Value)->SetText(row.Shown(settings));
    }
}

}  // namespace qora
