#include "mainwindow/FilterControls.h"

#include "dialogs/Editqfvanagramcount.h"
#include "dialogs/Editqfvblank.h"
#include "dialogs/Editqfvdefn.h"
#include "dialogs/Editqfvhooks.h"
#include "dialogs/Editqfvprobability.h"
#include "dialogs/Editqfvwordcount.h"
#include "dialogs/Editqfvwordlength.h"
#include "dialogs/Editqfvwordscore.h"
#include "mainwindow/ControlTexts.h"
#include "platform/qt/Focus.h"
#include "processor/Console.h"
#include "processor/Settings.h"

#include <QCheckBox>
#include <QToolButton>

namespace qora {

namespace {

int ItemOf(const NumericFilter& filter) { return RelationCodeToItemIndex(filter.Relation); }
int ItemOf(const SetFilter& filter) { return RelationCodeToItemIndex(filter.Relation) - 2; }

// One query filter as its row shows and types it.
struct FilterRowSpec {
    QCheckBox* FilterPage::*Check;
    DialogBox* FilterPage::*Value;
    QToolButton* FilterPage::*Button;
    const char* Caption;
    ControlDialog Editor;
    const char* SwitchOff;                            // typed when the box is cleared
    bool (*Active)(const Settings&);
    std::string (*Shown)(const Settings&);            // the value box's text
    void (*SwitchOn)(const Settings&);                // typed when the box is ticked
};

const FilterRowSpec FilterRows[FilterPage::FilterCount] = {
    {&FilterPage::FilteringLength, &FilterPage::FilteringLengthValue, &FilterPage::FilteringLengthButton, "Length",
     ControlDialog::LengthFilter, "/|- ",
     [](const Settings& s) { return s.LengthFilter.Active != 0; },
     [](const Settings& s) { return NumericFilterDisplay(s.LengthFilter); },
     [](const Settings& s) {
         AppendWordLengthFilter(ItemOf(s.LengthFilter), s.LengthFilter.Value1, s.LengthFilter.Value2);
     }},
    {&FilterPage::FilteringScore, &FilterPage::FilteringScoreValue, &FilterPage::FilteringScoreButton, "Score",
     ControlDialog::ScoreFilter, "/$- ",
     [](const Settings& s) { return s.ScoreFilter.Active != 0; },
     [](const Settings& s) { return NumericFilterDisplay(s.ScoreFilter); },
     [](const Settings& s) {
         AppendWordScoreFilter(ItemOf(s.ScoreFilter), s.ScoreFilter.Value1, s.ScoreFilter.Value2);
     }},
    {&FilterPage::FilteringProbability, &FilterPage::FilteringProbabilityValue, &FilterPage::FilteringProbabilityButton, "Probability",
     ControlDialog::ProbabilityFilter, "/%- ",
     [](const Settings& s) { return s.ProbabilityFilter.Active != 0; },
     [](const Settings& s) { return NumericFilterDisplay(s.ProbabilityFilter); },
     [](const Settings& s) {
         AppendProbabilityFilter(ItemOf(s.ProbabilityFilter), s.ProbabilityFilter.Value1, std::nullopt,
                                 s.ProbabilityFilter.Value2, std::nullopt);
     }},
    {&FilterPage::FilteringWordCount, &FilterPage::FilteringWordCountValue, &FilterPage::FilteringWordCountButton, "Word count",
     ControlDialog::WordCountFilter, "/#- ",
     [](const Settings& s) { return s.WordCountFilter.Active != 0; },
     [](const Settings& s) { return NumericFilterDisplay(s.WordCountFilter); },
     [](const Settings& s) {
         AppendWordCountFilter(ItemOf(s.WordCountFilter), s.WordCountFilter.Value1, s.WordCountFilter.Value2);
     }},
    {&FilterPage::FilteringAnagramCount, &FilterPage::FilteringAnagramCountValue, &FilterPage::FilteringAnagramCountButton, "Anagrams",
     ControlDialog::AnagramCountFilter, "/&- ",
     [](const Settings& s) { return s.AnagramCountFilter.Active != 0; },
     [](const Settings& s) { return NumericFilterDisplay(s.AnagramCountFilter); },
     [](const Settings& s) {
         AppendAnagramCountFilter(ItemOf(s.AnagramCountFilter), s.AnagramCountFilter.Value1,
                                  s.AnagramCountFilter.Value2);
     }},
    {&FilterPage::FilteringFrontHooks, &FilterPage::FilteringFrontHooksValue, &FilterPage::FilteringFrontHooksButton, "Front hooks",
     ControlDialog::FrontHooksFilter, "/<- ",
     [](const Settings& s) { return s.FrontHooksFilter.Active != 0; },
     [](const Settings& s) { return HooksFilterDisplay(s.FrontHooksFilter); },
     [](const Settings& s) {
         AppendHooksFilter(true, ItemOf(s.FrontHooksFilter), s.FrontHooksFilter.Letters.Counts);
     }},
    {&FilterPage::FilteringBackHooks, &FilterPage::FilteringBackHooksValue, &FilterPage::FilteringBackHooksButton, "Back hooks",
     ControlDialog::BackHooksFilter, "/>- ",
     [](const Settings& s) { return s.BackHooksFilter.Active != 0; },
     [](const Settings& s) { return HooksFilterDisplay(s.BackHooksFilter); },
     [](const Settings& s) {
         AppendHooksFilter(false, ItemOf(s.BackHooksFilter), s.BackHooksFilter.Letters.Counts);
     }},
    {&FilterPage::FilteringBlank, &FilterPage::FilteringBlankValue, &FilterPage::FilteringBlankButton, "Blanks",
     ControlDialog::BlankFilter, "/:- ",
     [](const Settings& s) { return s.BlankFilter.Active != 0; },
     [](const Settings& s) { return BlankFilterDisplay(s.BlankFilter, s.BlankIgnoreVowels != 0); },
     [](const Settings& s) {
         AppendBlankFilter(ItemOf(s.BlankFilter), s.BlankFilter.Letters.Counts, s.BlankIgnoreVowels != 0);
     }},
    {&FilterPage::FilteringDefn, &FilterPage::FilteringDefnValue, &FilterPage::FilteringDefnButton, "Definition",
     ControlDialog::DefinitionFilter, "/\"- ",
     [](const Settings& s) { return s.DefinitionFilter.Active != 0; },
     [](const Settings& s) { return DefinitionFilterDisplay(s.DefinitionFilter); },
     [](const Settings& s) {
         AppendDefinitionFilter(s.DefinitionFilter.Sense == 1 ? 0 : 1, s.DefinitionFilter.Text, true);
     }},
};

constexpr int ValueColumns = 9;

}  // namespace

FilterPage::FilterPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    PageRows rows(*this);
    for (int filter = 0; filter < FilterCount; ++filter) {
        const FilterRowSpec& spec = FilterRows[filter];
        QCheckBox* check = this->*spec.Check = new QCheckBox(spec.Caption);
        DialogBox* value = this->*spec.Value = new DialogBox(host, spec.Editor, ValueColumns);
        QToolButton* button = this->*spec.Button = NewValueButton(host, spec.Editor);
        connect(check, &QCheckBox::clicked, this, [this, filter](bool ticked) { FilterClicked(filter, ticked); });
        rows.Add(check, value, button);
    }
    rows.End();
}

void FilterPage::FilterClicked(int filter, bool ticked) {
    const FilterRowSpec& spec = FilterRows[filter];
    if (ticked)
        spec.SwitchOn(DisplayedSettings);
    else
        AppendToCommandLine(spec.SwitchOff);
    FocusWorkspace();
}

void FilterPage::ShowSettings(const Settings& settings) {
    for (const FilterRowSpec& spec : FilterRows) {
        (this->*spec.Check)->setChecked(spec.Active(settings));
        (this->*spec.Value)->SetText(spec.Shown(settings));
    }
}

}  // namespace qora
