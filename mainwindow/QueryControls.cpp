#include "mainwindow/QueryControls.h"

#include "dialogs/texts/ControlTexts.h"
#include "engine/UserSets.h"
#include "engine/WordlistListings.h"
#include "engine/Wordlists.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/Text.h"
#include "processor/Console.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cstdio>

namespace qora {

namespace {

constexpr int ListColumns = 10;

// The first decimal number of a listing line (its wordlist or set number).
std::int32_t LeadingNumber(const std::string& line, const char* pattern) {
    int number = -1;
    return std::sscanf(line.c_str(), pattern, &number) == 1 ? number : -1;
}

}  // namespace

QueryPage::QueryPage(ControlsHost& host, QWidget* parent) : QWidget(parent) {
    QueryKind = NewTypingList(ListColumns);
    for (const QueryModeChoice& choice : QueryModeChoices) QueryKind->addItem(choice.Caption);
    WordSource = NewTypingList(ListColumns);
    QueryCharacter = NewDialogButton(host, ControlDialog::QueryCharacter, "Letter / Set");
    RackCharacter = NewDialogButton(host, ControlDialog::RackCharacter, "Rack Letter / Blank");
    QueryWord = NewDialogButton(host, ControlDialog::QueryWord, "Word / Subword");
    UserSets = new CommitComboBox;
    LimitListWidth(*UserSets, ListColumns);
    NewSet = NewDialogButton(host, ControlDialog::NewSet, "New Set");
    LabelSet = new QPushButton("Label Set");
    MarkDialogButton(*LabelSet, ControlDialog::LabelSet);
    SetB = new DialogBox(host, ControlDialog::SetB, ListColumns);
    SetBButton = NewValueButton(host, ControlDialog::SetB);
    LetterScoresValues = new DialogBox(host, ControlDialog::LetterScores, ListColumns);
    LetterScoresButton = NewValueButton(host, ControlDialog::LetterScores);

    PageRows rows(*this);
    rows.Add("Query mode:", QueryKind);
    rows.Add("Word source:", WordSource);
    rows.AddAcross(SideBySide({QueryCharacter, QueryWord}));
    rows.AddAcross(SideBySide({RackCharacter}));
    rows.Add("Sets:", UserSets);
    rows.AddAcross(SideBySide({NewSet, LabelSet}));
    rows.AddAcross(new QLabel("Set (B), the bag:"));
    rows.AddAcross(SetB, SetBButton);
    rows.AddAcross(new QLabel("Set ($), the tile scores:"));
    rows.AddAcross(LetterScoresValues, LetterScoresButton);
    rows.End();

    connect(QueryKind, &CommitComboBox::committed, this, &QueryPage::QueryKindCommitted);
    connect(WordSource, &CommitComboBox::committed, this, &QueryPage::WordSourceCommitted);
    connect(LabelSet, &QPushButton::clicked, this, [this, &host] {
        host.OpenDialog({ControlDialog::LabelSet, ChosenUserSet()});
    });
}

void QueryPage::QueryKindCommitted(int item) {
    if (item < 0) return;
    AppendToCommandLine(QueryModeCommand(QueryModeChoices[item].Mode));
    FocusWorkspace();
}

void QueryPage::WordSourceCommitted(int item) {
    if (item < 0 || item >= static_cast<int>(wordSources_.size())) return;
    AppendToCommandLine(WordSourceCommand(wordSources_[item]));
    FocusWorkspace();
}

void QueryPage::ShowSettings(const Settings& settings, const LetterCounts& scores) {
    ShowChoice(*QueryKind, QueryModeItem(settings.QueryMode), QueryModeCommand(settings.QueryMode));
    shownWordSource_ = settings.WordSource;
    ShowWordSource();
    SetB->SetText(FormatLetterCounts(&settings.LetterDistribution, 9));
    LetterScoresValues->SetText(FormatLetterCounts(&scores, 9));
}

void QueryPage::ShowWordSource() {
    const auto found = std::find(wordSources_.begin(), wordSources_.end(), shownWordSource_);
    const int item = found == wordSources_.end() ? -1 : static_cast<int>(found - wordSources_.begin());
    ShowChoice(*WordSource, item, WordSourceText(shownWordSource_));
}

void QueryPage::RefreshLists() {
    std::vector<std::string> choices;
    FillWordlistChoices(choices, true);
    wordSources_ = {WordSourceLexicon, SlateNumber};
    for (std::size_t i = 1; i < choices.size(); ++i) wordSources_.push_back(LeadingNumber(choices[i], "wordlist %d"));
    choices.insert(choices.begin(), WordSourceText(WordSourceLexicon));
    WordSource->SetItems(choices, -1);
    ShowWordSource();

    const std::int32_t chosenSet = ChosenUserSet();
    std::vector<std::string> sets;
    ListUserSets(sets, false);
    UserSets->SetItems(sets, -1);
    int item = -1;
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (LeadingNumber(sets[i], " %d") == chosenSet) item = static_cast<int>(i);
    ShowChoice(*UserSets, item == -1 && !sets.empty() ? 0 : item, "no user-defined sets");
}

std::int32_t QueryPage::ChosenUserSet() const {
    return UserSets->currentIndex() < 0 ? -1 : LeadingNumber(ToCodePage(UserSets->currentText()), " %d");
}

}  // namespace qora
