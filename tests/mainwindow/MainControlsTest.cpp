// The main window's controls: they show the settings a typed line implies,
// and what the user chooses in them is typed onto the command line.
#include "ControlsTestSetup.h"

#include "engine/Board.h"
#include "mainwindow/FilterControls.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/PresentationControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/WordlistControls.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/Text.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace qora::test {
namespace {

std::string Shown(const QComboBox& box) { return box.currentText().toStdString(); }

// ---- Showing the line's settings ---------------------------------------------------

TEST_F(ControlsTest, ATypedLineShowsItsQueryModeSortKeysLayoutAndPresentation) {
    ui->Show();
    TypeLine("AB.D/Q3 /KL-S /OR,2S /P4 /OW60C /OR0C");
    EXPECT_EQ(Shown(*controls().QueryTab->QueryKind), "Imbedded Word");
    PresentationPage& presentation = *controls().PresentationTab;
    EXPECT_EQ(Shown(*presentation.OrderBy1), "Length");
    EXPECT_EQ(Shown(*presentation.OrderBy2), "Score, descending");
    EXPECT_EQ(Shown(*presentation.OrderBy3), "(none)");
    EXPECT_EQ(Shown(*presentation.Layout), "packed rows with commas, spacing 2");
    EXPECT_EQ(Shown(*presentation.MaxWidth), "60 characters");
    EXPECT_EQ(Shown(*presentation.RowsPerPage), "unlimited");
    EXPECT_EQ(presentation.WordPresentation->currentIndex(), 3);
    EXPECT_FALSE(presentation.SlateWordCount->isVisible());

    TypeLine("AB.D");
    EXPECT_EQ(Shown(*controls().QueryTab->QueryKind), "Pattern");
    EXPECT_EQ(Shown(*presentation.OrderBy1), "Alphabetical");
    EXPECT_EQ(Shown(*presentation.Layout), "one per line");
    EXPECT_EQ(Shown(*presentation.MaxWidth), "workspace width");
}

TEST_F(ControlsTest, ATypedLineShowsItsFiltersWithTheirValues) {
    TypeLine("AEINST? /|=7 /$3-9 /%{QI} /&<2 /#>1 /<<=(AES) />=(1S) /:<=(-AEIOU) /\"!|plural\"");
    const FilterPage& filters = *controls().FiltersTab;
    const std::pair<QCheckBox*, const char*> expected[] = {
        {filters.FilteringLength, "=7"},         {filters.FilteringScore, "3-9"},
        {filters.FilteringProbability, ">=9"},   {filters.FilteringAnagramCount, "<2"},
        {filters.FilteringWordCount, ">1"},      {filters.FilteringFrontHooks, "<=(AES)"},
        {filters.FilteringBackHooks, "=(1S)"},   {filters.FilteringBlank, "<=(-AEIOU)"},
        {filters.FilteringDefn, "\"!|plural\""},
    };
    const DialogBox* values[] = {
        filters.FilteringLengthValue,       filters.FilteringScoreValue,     filters.FilteringProbabilityValue,
        filters.FilteringAnagramCountValue, filters.FilteringWordCountValue, filters.FilteringFrontHooksValue,
        filters.FilteringBackHooksValue,    filters.FilteringBlankValue,     filters.FilteringDefnValue};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_TRUE(expected[i].first->isChecked()) << i;
        EXPECT_EQ(Shown(*values[i]), expected[i].second) << i;
    }

    // Switched off, a filter keeps showing its relation and values.
    TypeLine("AEINST? /|=7 /|- ");
    EXPECT_FALSE(filters.FilteringLength->isChecked());
    EXPECT_EQ(Shown(*filters.FilteringLengthValue), "=7");
    EXPECT_FALSE(filters.FilteringScore->isChecked());
}

TEST_F(ControlsTest, ALineWithAnErrorLeavesTheControlsAsTheyWere) {
    TypeLine("/Q2 ");
    TypeLine("/Q2 /Q9 ");
    EXPECT_EQ(Shown(*controls().QueryTab->QueryKind), "Pattern");
}

TEST_F(ControlsTest, CountedPresentationsShowTheirCountBox) {
    ui->Show();
    PresentationPage& presentation = *controls().PresentationTab;
    ui->queryOrPresentation->setCurrentWidget(&presentation);
    TypeLine("30~");
    EXPECT_EQ(presentation.WordPresentation->currentIndex(), PresentationCountQuestion - 1);
    EXPECT_TRUE(presentation.SlateWordCount->isVisible());
    EXPECT_EQ(Shown(*presentation.SlateWordCount), "   30");
    EXPECT_TRUE(presentation.SlateWordCount->toolTip().isEmpty());
    TypeLine("123456'");
    EXPECT_EQ(Shown(*presentation.SlateWordCount), "123456");
    EXPECT_EQ(presentation.SlateWordCount->toolTip().toStdString(), "123456");
}

TEST_F(ControlsTest, OrderingsAndTheBoardSquareAreShown) {
    TypeLine("/.\"\" /;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\" /@H8~");
    EXPECT_EQ(Shown(*controls().RandomRacksTab->RandomRackOrder), "(random)");
    const CommitComboBox& output = *controls().CanonicalOutputTab->CanonicalOutputOrder;
    EXPECT_EQ(output.currentIndex(), -1);
    EXPECT_EQ(output.placeholderText().toStdString(), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
    EXPECT_EQ(Shown(*controls().BoardTab->BoardPosition), "H8");
    TypeLine("/.\"ABCDEFGHIJKLMNOPQRSTUVWXYZ?\" /@8H.");
    EXPECT_EQ(controls().RandomRacksTab->RandomRackOrder->currentIndex(), 1);
    EXPECT_EQ(output.currentIndex(), 0);
    EXPECT_EQ(Shown(*controls().BoardTab->BoardPosition), "8H");
}

TEST_F(ControlsTest, TheBoardHelpFollowsTheBoardSetUp) {
    const QLabel& help = *controls().BoardTab->BoardPositionLabel;
    EXPECT_TRUE(help.text().contains("is at 8H; a vertical one is at H8."));
    SetUpBoardLayout(21);
    controls().RefreshAfterCommand();
    EXPECT_TRUE(help.text().contains("is at 11K; a vertical one is at K11."));
    SetUpBoardLayout(15);
}

TEST_F(ControlsTest, ShowingSettingsTypesNothingEvenWhenAListIsLeft) {
    ui->Show();
    ui->queryOrPresentation->setCurrentWidget(controls().PresentationTab);
    CommitComboBox& kind = *controls().PresentationTab->WordPresentation;
    kind.setFocus();
    TypeLine("/P5 ");
    ui->workspace->setFocus();
    EXPECT_EQ(CommandLine(), "/P5 ");
    EXPECT_EQ(kind.CommittedIndex(), 4);
}

// ---- Typing from the controls ----------------------------------------------------------

TEST_F(ControlsTest, TickingAFilterTypesTheFilterItShows) {
    ui->Show();
    ui->queryOrPresentation->setCurrentWidget(controls().FiltersTab);
    const FilterPage& filters = *controls().FiltersTab;
    TypeLine("/$3-9 /$- /<>=(2AB) /<- /:>(2ES) /:- /\"noun|\" /\"- /%{QI} /%- ");
    struct Case {
        QCheckBox* check;
        const char* typed;
    };
    const Case cases[] = {
        {filters.FilteringScore, "/$3-9  "},     {filters.FilteringFrontHooks, "/<>=(2AB) "},
        {filters.FilteringBlank, "/:>(2ES) "},   {filters.FilteringDefn, "/\"noun|\" "},
        {filters.FilteringProbability, "/%9  "}, {filters.FilteringLength, "/|0  "},
    };
    for (const Case& c : cases) {
        const std::string before = CommandLine();
        QTest::mouseClick(c.check, Qt::LeftButton);
        EXPECT_EQ(CommandLine(), before + c.typed);
        EXPECT_TRUE(c.check->isChecked()) << "the re-checked line switches it on";
        EXPECT_TRUE(ui->workspace->hasFocus());
    }
}

TEST_F(ControlsTest, ClearingAFilterTypesItsSwitchOff) {
    ui->Show();
    ui->queryOrPresentation->setCurrentWidget(controls().FiltersTab);
    const FilterPage& filters = *controls().FiltersTab;
    TypeLine("/|5 /$5 /%5 /#2 /&2 /<=(1S) />=(1S) /:=(E) /\"noun\" ");
    QCheckBox* boxes[] = {filters.FilteringLength,    filters.FilteringScore,        filters.FilteringProbability,
                          filters.FilteringWordCount, filters.FilteringAnagramCount, filters.FilteringFrontHooks,
                          filters.FilteringBackHooks, filters.FilteringBlank,        filters.FilteringDefn};
    const char* switchOffs[] = {"/|- ", "/$- ", "/%- ", "/#- ", "/&- ", "/<- ", "/>- ", "/:- ", "/\"- "};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        ASSERT_TRUE(boxes[i]->isChecked()) << i;
        const std::string before = CommandLine();
        QTest::mouseClick(boxes[i], Qt::LeftButton);
        EXPECT_EQ(CommandLine(), before + switchOffs[i]);
        EXPECT_FALSE(boxes[i]->isChecked()) << i;
    }
    EXPECT_FALSE(CommandLineHasError);
}

TEST_F(ControlsTest, ListsTypeTheirChoiceAndTheLineIsCheckedAgain) {
    ui->Show();
    Pick(*controls().QueryTab->QueryKind, 1);
    EXPECT_EQ(CommandLine(), "/Q2 ");
    EXPECT_EQ(DisplayedSettings.QueryMode, QueryModePattern);
    EXPECT_TRUE(ui->workspace->hasFocus());

    ui->queryOrPresentation->setCurrentWidget(controls().PresentationTab);
    PresentationPage& presentation = *controls().PresentationTab;
    Pick(*presentation.OrderBy2, 4);  // Length, descending
    EXPECT_EQ(CommandLine(), "/Q2 /KA-L ");
    Pick(*presentation.OrderBy1, 0);  // (none): the keys close up
    EXPECT_EQ(CommandLine(), "/Q2 /KA-L /K-L ");
    EXPECT_EQ(Shown(*presentation.OrderBy1), "Length, descending");
    EXPECT_EQ(Shown(*presentation.OrderBy2), "(none)");
    Pick(*presentation.OrderBy1, 0);
    EXPECT_EQ(CommandLine(), "/Q2 /KA-L /K-L /K- ");
    EXPECT_EQ(Shown(*presentation.OrderBy1), "Alphabetical");

    Pick(*presentation.WordPresentation, 10);
    EXPECT_EQ(CommandLine(), "/Q2 /KA-L /K-L /K- /P11 ");
    Pick(*presentation.WordPresentation, PresentationCountQuestion - 1);
    EXPECT_EQ(CommandLine(), "/Q2 /KA-L /K-L /K- /P11 25~");
    EXPECT_EQ(DisplayedSettings.PresentationKind, PresentationCountQuestion);
    EXPECT_FALSE(CommandLineHasError);
}

TEST_F(ControlsTest, AProbeKindStaysOnlyWhenTheProbeDialogTypesIt) {
    ui->Show();
    ui->queryOrPresentation->setCurrentWidget(controls().PresentationTab);
    CommitComboBox& kind = *controls().PresentationTab->WordPresentation;
    TypeLine("/P4 ");
    int kindWhileOpen = 0;
    host().onOpen = [&] { kindWhileOpen = DisplayedSettings.PresentationKind; };
    Pick(kind, PresentationProbeWord - 1);
    ASSERT_EQ(host().requests.size(), 1u);
    EXPECT_EQ(host().requests[0].Dialog, ControlDialog::ProbeSlate);
    EXPECT_EQ(kindWhileOpen, PresentationProbeWord);
    EXPECT_EQ(kind.currentIndex(), 3) << "nothing typed: the kind shown before comes back";
    EXPECT_EQ(DisplayedSettings.PresentationKind, 4);

    host().onOpen = [] { AppendToCommandLine(" /12 "); };
    Pick(kind, PresentationProbeWord - 1);
    EXPECT_EQ(CommandLine(), "/P4  /12 ");
    EXPECT_EQ(kind.currentIndex(), PresentationProbeWord - 1);
}

TEST_F(ControlsTest, OrderingListsTypeTheOrderingPicked) {
    ui->Show();
    ui->options->setCurrentWidget(controls().RandomRacksTab);
    CommitComboBox& racks = *controls().RandomRacksTab->RandomRackOrder;
    Pick(racks, 1);
    EXPECT_EQ(CommandLine(), "") << "the ordering in force already";
    EXPECT_TRUE(ui->workspace->hasFocus());
    Pick(racks, 0);
    EXPECT_EQ(CommandLine(), "/.\"\" ");
    Pick(racks, 1);
    EXPECT_EQ(CommandLine(), "/.\"\" /.\"ABCDEFGHIJKLMNOPQRSTUVWXYZ?\"");
    EXPECT_FALSE(CommandLineHasError);
    TypeLine("/;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\"");
    ui->options->setCurrentWidget(controls().CanonicalOutputTab);
    Pick(*controls().CanonicalOutputTab->CanonicalOutputOrder, 0);
    EXPECT_EQ(CommandLine(), "/;\"ZYXWVUTSRQPONMLKJIHGFEDCBA\"/;\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"");
}

TEST_F(ControlsTest, SpanishOrderingsComeWithTheLanguage) {
    SetLanguageTables(Language::Spanish);
    LoadBuiltInSettings();
    controls().ApplyLexiconLanguage();
    const CommitComboBox& racks = *controls().RandomRacksTab->RandomRackOrder;
    ASSERT_EQ(racks.count(), 2);
    EXPECT_EQ(ToCodePage(racks.itemText(1)), "ABCchDEFGHIJLllMN\xD1OPQRrrSTUVXYZ?");
    EXPECT_EQ(racks.currentIndex(), 1);
}

TEST_F(ControlsTest, TheRandomRackEntryDrawsAtOnce) {
    ui->Show();
    ui->options->setCurrentWidget(controls().RandomRacksTab);
    RandomRacksPage& racks = *controls().RandomRacksTab;
    racks.RandomRackEntry->setFocus();
    racks.RandomRackEntry->selectAll();
    QTest::keyClicks(racks.RandomRackEntry, "12x");
    EXPECT_FALSE(racks.RandomRackEntryButton->isEnabled());
    QTest::keyClick(racks.RandomRackEntry, Qt::Key_Backspace);
    EXPECT_TRUE(racks.RandomRackEntryButton->isEnabled());
    QTest::mouseClick(racks.RandomRackEntryButton, Qt::LeftButton);
    ASSERT_EQ(host().performed.size(), 1u);
    EXPECT_EQ(host().performed[0], "/. 12 ");

    racks.RandomRackEntry->selectAll();
    QTest::keyClicks(racks.RandomRackEntry, "0");
    EXPECT_FALSE(racks.RandomRackEntryButton->isEnabled()) << "no rack to draw";
    racks.RandomRackEntry->selectAll();
    QTest::keyClicks(racks.RandomRackEntry, "1000001");
    EXPECT_FALSE(racks.RandomRackEntryButton->isEnabled()) << "more racks than a command may draw";
}

// ---- Lists and dialogs --------------------------------------------------------------------

void MakeWordlist(std::int32_t number, const char* label, std::initializer_list<const char*> words) {
    Wordlist& list = *ObtainWordlist(number);
    for (const char* word : words) AppendWordlistItem(list, word, false);
    SetWordlistLabel(number, label);
}

TEST_F(ControlsTest, WordlistsAndSetsAreListedAndChosenForTheirDialogs) {
    MakeWordlist(3, "Nouns", {"CAT", "DOG", "EMU"});
    MakeWordlist(7, "", {"ZAX"});
    DefineUserSet(4, "vowels", {});
    DefineUserSet(9, "", {});
    controls().RefreshAfterCommand();
    ui->Show();

    WordlistsPage& lists = *controls().WordlistsTab;
    ASSERT_EQ(lists.Wordlists->count(), 3);
    EXPECT_EQ(lists.ChosenWordlist(), 0);
    EXPECT_EQ(lists.Wordlist->count(), 0);
    ui->queryOrPresentation->setCurrentWidget(&lists);
    Pick(*lists.Wordlists, 1);
    EXPECT_EQ(CommandLine(), "") << "choosing a wordlist to look at types nothing";
    ASSERT_EQ(lists.Wordlist->count(), 3);
    EXPECT_EQ(lists.Wordlist->item(2)->text().toStdString(), "EMU");
    lists.Wordlist->setCurrentRow(1);

    controls().SetDialogAvailable(ControlDialog::MoveItem, true);
    controls().SetDialogAvailable(ControlDialog::LabelSet, true);
    EXPECT_FALSE(lists.LabelWordlist->isEnabled());
    QTest::mouseClick(lists.MoveItem, Qt::LeftButton);
    QueryPage& query = *controls().QueryTab;
    ui->queryOrPresentation->setCurrentWidget(&query);
    Pick(*query.UserSets, 1);
    QTest::mouseClick(query.LabelSet, Qt::LeftButton);
    ASSERT_EQ(host().requests.size(), 2u);
    EXPECT_EQ(host().requests[0].Dialog, ControlDialog::MoveItem);
    EXPECT_EQ(host().requests[0].Number, 3);
    EXPECT_EQ(host().requests[0].Item, 2);
    EXPECT_EQ(host().requests[1].Dialog, ControlDialog::LabelSet);
    EXPECT_EQ(host().requests[1].Number, 9);

    // A refresh keeps the wordlist chosen while it exists.
    MakeWordlist(5, "", {"A"});
    controls().RefreshAfterCommand();
    EXPECT_EQ(lists.ChosenWordlist(), 3);
    ResetWordlists();
    controls().RefreshAfterCommand();
    EXPECT_EQ(lists.ChosenWordlist(), 0);
}

TEST_F(ControlsTest, TheWordSourceListTypesTheSourceAndShowsTheLines) {
    MakeWordlist(3, "Nouns", {"CAT"});
    controls().RefreshAfterCommand();
    ui->Show();
    CommitComboBox& source = *controls().QueryTab->WordSource;
    ASSERT_EQ(source.count(), 3);
    EXPECT_EQ(Shown(source), "the lexicon");
    Pick(source, 2);
    EXPECT_EQ(CommandLine(), "/W3 ");
    Pick(source, 0);
    EXPECT_EQ(CommandLine(), "/W3 /W- ");
    TypeLine("/W8 ");
    EXPECT_EQ(source.currentIndex(), -1) << "a wordlist that does not exist yet";
    EXPECT_EQ(source.placeholderText().toStdString(), "wordlist 8");
}

TEST_F(ControlsTest, DialogButtonsWaitForTheirDialogsWhileValueBoxesAsk) {
    ui->Show();
    const FilterPage& filters = *controls().FiltersTab;
    EXPECT_FALSE(filters.FilteringBlankButton->isEnabled());
    EXPECT_FALSE(controls().QueryTab->QueryCharacter->isEnabled());
    controls().SetDialogAvailable(ControlDialog::BlankFilter, true);
    EXPECT_TRUE(filters.FilteringBlankButton->isEnabled());
    EXPECT_FALSE(filters.FilteringDefnButton->isEnabled());
    ui->queryOrPresentation->setCurrentWidget(controls().FiltersTab);
    QTest::mouseClick(filters.FilteringBlankButton, Qt::LeftButton);
    filters.FilteringDefnValue->showPopup();
    ASSERT_EQ(host().requests.size(), 2u);
    EXPECT_EQ(host().requests[0].Dialog, ControlDialog::BlankFilter);
    EXPECT_EQ(host().requests[1].Dialog, ControlDialog::DefinitionFilter);
}

TEST_F(ControlsTest, SetBAndSetDollarShowTheBagAndScoresTheLineImplies) {
    const QueryPage& query = *controls().QueryTab;
    EXPECT_EQ(Shown(*query.SetB), "9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ");
    EXPECT_EQ(Shown(*query.LetterScoresValues), "A3B3C2DE4F2G4HI8J5KL3MNO3P10QRSTU4V4W8X4Y10Z");
    TypeLine("/($)=(A2B) /(B)=(ABCDEFGHIJKLMNOPQRSTUVWX2Y3Z)");
    EXPECT_EQ(Shown(*query.LetterScoresValues), "A2B");
    EXPECT_EQ(Shown(*query.SetB), "ABCDEFGHIJKLMNOPQRSTUVWX2Y3Z");
}

}  // namespace
}  // namespace qora::test
