// The main window's openers of the help windows and the command-building
// dialogs: what opens each one, where it is placed, and what it leaves.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include "MainWindowFixture.h"
#include "dialogs/BagAndScoresDialog.h"
#include "dialogs/BlankFilterDialog.h"
#include "dialogs/BoardSquareDialog.h"
#include "dialogs/CanonicalOrderDialog.h"
#include "dialogs/DefinitionFilterDialog.h"
#include "dialogs/DialogParts.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/HooksFilterDialog.h"
#include "dialogs/LabelDialog.h"
#include "dialogs/LargeOutputDialog.h"
#include "dialogs/LayoutDialog.h"
#include "dialogs/LetterMappingDialog.h"
#include "dialogs/LetterSetPages.h"
#include "dialogs/MaxWidthDialog.h"
#include "dialogs/MoveItemDialog.h"
#include "dialogs/NewSetDialog.h"
#include "dialogs/NewWordlistDialog.h"
#include "dialogs/NumericFilterDialogs.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/ProbabilityFilterDialog.h"
#include "dialogs/ProbeSlateDialog.h"
#include "dialogs/QueryConstituentDialog.h"
#include "dialogs/RackCharacterDialog.h"
#include "dialogs/RandomRacksDialog.h"
#include "dialogs/ShowDefinitionsDialog.h"
#include "dialogs/TourneyInfoDialog.h"
#include "dialogs/WordCountDialog.h"
#include "dialogs/WordPresenceDialog.h"
#include "dialogs/WordReferenceDialog.h"
#include "dialogs/texts/ControlTexts.h"
#include "dialogs/texts/FilterText.h"
#include "engine/UserSets.h"
#include "engine/Wordlists.h"
#include "mainwindow/FilterControls.h"
#include "mainwindow/OptionControls.h"
#include "mainwindow/PresentationControls.h"
#include "mainwindow/QueryControls.h"
#include "mainwindow/WordlistControls.h"
#include "platform/Scaling.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/Screen.h"
#include "platform/qt/SpinField.h"
#include "processor/Settings.h"
#include "support/qt/ModalDriver.h"
#include "support/qt/WidgetInput.h"
#include "widgets/TileControls.h"

namespace qora::test {
namespace {

class OpenerTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWithLexicon();
    }

    // Triggers the opener and returns the window that showed modally, with
    // its outer rectangle; `answer` answers it (by default it is cancelled).
    QWidget* Opened(const std::function<void()>& trigger, QRect* outer = nullptr,
                    std::function<void(QWidget&)> answer = nullptr) {
        QWidget* shown = nullptr;
        WhenModalOpens([&](QWidget& modal) {
            shown = &modal;
            if (outer != nullptr) *outer = modal.frameGeometry();
            if (answer)
                answer(modal);
            else
                static_cast<QoraDialog&>(modal).CloseWithResult(mrCancel);
        });
        trigger();
        Settle();
        return shown;
    }
    // The same, opened through the menu item of the captions.
    QWidget* Opened(std::initializer_list<std::string_view> menuItem, QRect* outer = nullptr,
                    std::function<void(QWidget&)> answer = nullptr) {
        QAction& item = Main().MenuItem(menuItem);
        return Opened([&item] { item.trigger(); }, outer, std::move(answer));
    }

    PresentationPage& Presentation() { return Main().PresentationTab(); }
};

TEST_F(OpenerTest, HelpContentsShowsTheHelpWindowOverTheLowerPartOfTheMainWindow) {
    form->resize(Scaled(760), Scaled(540));
    ASSERT_TRUE(Main().MenuItem({"Help", "Contents..."}).isEnabled());
    QRect outer;
    EXPECT_EQ(Opened({"Help", "Contents..."}, &outer), HelpDlg.data());
    const QRect panel = ScreenRectOf(*form->centralWidget());
    EXPECT_EQ(HelpDlg->width(), panel.width());
    const QPoint overLowerPart(panel.left(), ScreenRectOf(Workspace()).bottom() + 1 - outer.height());
    EXPECT_EQ(outer.topLeft(), KeptOnScreen(QRect(overLowerPart, outer.size())).topLeft());
    // A line with an error does not keep the help away.
    Type("AB(");
    EXPECT_EQ(Opened({"Help", "Contents..."}), HelpDlg.data());
}

TEST_F(OpenerTest, TheAdjudicationWindowIsCentredOnALargeMainWindowAndFillsTheScreenOtherwise) {
    form->resize(Scaled(1200), Scaled(800));
    QRect outer;
    EXPECT_EQ(Opened({"Help", "Tournament Adjudications..."}, &outer), InfoDlg.data());
    EXPECT_EQ(outer.size(), QSize(Scaled(798), Scaled(575)));
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(QRect(CenteredOn(*InfoDlg, form->frameGeometry()), outer.size())).topLeft());

    form->resize(Scaled(700), Scaled(500));
    Settle();
    EXPECT_EQ(Opened({"Help", "Tournament Adjudications..."}, &outer), InfoDlg.data());
    EXPECT_EQ(outer.size(), form->screen()->availableGeometry().size());
}

TEST_F(OpenerTest, TheWordCountButtonOpensTheDialogBelowTheBoxAndItsOKUpdatesTheBox) {
    Perform("/P3!");
    ASSERT_TRUE(Presentation().SlateWordCountButton->isEnabled());
    QRect outer;
    const auto typeCount = [](QWidget&) {
        EditWordCountValue->Value->selectAll();
        QTest::keyClicks(EditWordCountValue->Value, "123456");
        EditWordCountValue->OK->click();
    };
    EXPECT_EQ(Opened([&] { Presentation().SlateWordCountButton->click(); }, &outer, typeCount),
              EditWordCountValue.data());
    EXPECT_EQ(
        outer.topLeft(),
        KeptOnScreen(QRect(ScreenRectOf(*Presentation().SlateWordCount).bottomLeft() + QPoint(0, 1), outer.size()))
            .topLeft());
    EXPECT_EQ(CommandLine(), "123456~");
    EXPECT_EQ(Presentation().SlateWordCount->currentText(), "123456");
    // A line with an error refuses the dialog.
    Type("(");
    EXPECT_EQ(Opened([&] { Presentation().SlateWordCountButton->click(); }), nullptr);
}

TEST_F(OpenerTest, ALargePresentationAsksAtTheWorkspacesLowerRightAndPresentsTheAnswer) {
    QRect outer;
    WhenModalOpens([&](QWidget& modal) {
        outer = modal.frameGeometry();
        EXPECT_EQ(&modal, LargeOutput.data());
        LargeOutput->Show25->click();
    });
    Perform("/. 600");
    const QRect workspace = ScreenRectOf(Workspace());
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(
                  QRect(workspace.bottomRight() + QPoint(1, 1) - QPoint(outer.width(), outer.height()), outer.size()))
                  .topLeft());
    const std::vector<std::string> lines = Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "   (first 25 items only)"), lines.end());
    EXPECT_TRUE(Workspace().hasFocus() || !form->isActiveWindow());
}

TEST_F(OpenerTest, TheLayoutBoxesOpenTheirDialogsBelowThePresentationControls) {
    const QPoint below = ScreenRectOf(*Presentation().RowsPerPage).bottomLeft() + QPoint(0, 1);
    const std::pair<QToolButton*, QoraDialog*> openers[] = {
        {Presentation().LayoutButton, EditLayoutDlg.data()},
        {Presentation().MaxWidthButton, EditMaxWidthDlg.data()},
        {Presentation().RowsPerPageButton, EditRowsPerPageDlg.data()}};
    for (auto [button, dialog] : openers) {
        ASSERT_TRUE(button->isEnabled());
        QRect outer;
        EXPECT_EQ(Opened([&] { button->click(); }, &outer), dialog);
        EXPECT_EQ(outer.topLeft(), KeptOnScreen(QRect(below, outer.size())).topLeft());
    }
    EXPECT_EQ(Opened([&] { Presentation().LayoutButton->click(); }, nullptr,
                     [](QWidget&) {
                         EditLayoutDlg->Orientation->Item(ColumnsItem)->click();
                         EditLayoutDlg->OK->click();
                     }),
              EditLayoutDlg.data());
    EXPECT_EQ(CommandLine(), "/OC8X");
    EXPECT_EQ(Presentation().Layout->currentText().toStdString(), LayoutText(DisplayedSettings));
}

TEST_F(OpenerTest, AProbeKindOpensTheProbeDialogAboveTheWorkspaceAndCancelPutsTheKindBack) {
    CommitComboBox& kinds = *Presentation().WordPresentation;
    QRect outer;
    EXPECT_EQ(
        Opened([&] { kinds.setCurrentIndex(PresentationProbeLetter - 1), emit kinds.committed(kinds.currentIndex()); },
               &outer),
        ProbeSlateDlg.data());
    const QRect workspace = ScreenRectOf(Workspace());
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(QRect(QPoint(workspace.left(), workspace.top() - outer.height()), outer.size())).topLeft());
    EXPECT_EQ(kinds.currentIndex(), PresentationEveryWord - 1) << "Cancel: the line's kind again";
    EXPECT_EQ(CommandLine(), "");

    Opened([&] { kinds.setCurrentIndex(PresentationProbeWord - 1), emit kinds.committed(kinds.currentIndex()); },
           nullptr, [](QWidget&) { ProbeSlateDlg->OK->click(); });
    EXPECT_EQ(CommandLine(), " /1 ");
    EXPECT_EQ(kinds.currentIndex(), PresentationProbeWord - 1);
    EXPECT_EQ(ProbeSlateDlg->ProbeLetter->count(), MaxWordLength) << "filled when the lexicons were chosen";
}

// Confirms a dialog; a dialog whose OK is disabled is cancelled (and the
// test fails), so that the modal showing ends either way.
template <class Dialog>
void ClickOK(Dialog& dialog) {
    if (dialog.OK->isEnabled()) {
        dialog.OK->click();
        return;
    }
    ADD_FAILURE() << "OK is disabled";
    static_cast<QoraDialog*>(dialog.window())->CloseWithResult(mrCancel);
}

// The outer top-left corner of a window whose right edge and top are given,
// as the placement keeps it on the screen.
QPoint RightEdgePlaced(const QRect& outer, int rightEdge, int top) {
    return KeptOnScreen(QRect(QPoint(rightEdge - outer.width(), top), outer.size())).topLeft();
}

TEST_F(OpenerTest, TheNewOrderingButtonsOpenTheirDialogsWhoseOKChoosesTheOrderingInTheList) {
    CommitComboBox& racks = *Main().RandomRacksTab().RandomRackOrder;
    ASSERT_TRUE(Main().RandomRacksTab().NewRandomRackOrder->isEnabled());
    QRect outer;
    const auto typeOrdering = [](QWidget&) {
        RandomOutputDlg->CanonOrder->setText("AEIOU BCDFGHJKLMNPQRSTVWXYZ?");
        RandomOutputDlg->OK->click();
    };
    EXPECT_EQ(Opened([&] { Main().RandomRacksTab().NewRandomRackOrder->click(); }, &outer, typeOrdering),
              RandomOutputDlg.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/.\"AEIOU BCDFGHJKLMNPQRSTVWXYZ?\"");
    EXPECT_EQ(racks.currentText(), "AEIOU BCDFGHJKLMNPQRSTVWXYZ?");
    EXPECT_EQ(racks.count(), 3);

    EXPECT_EQ(Opened([&] { Main().CanonicalOutputTab().NewCanonicalOutputOrder->click(); }), CanonOutputDlg.data());
}

// The query constituent opens from the query page and the Query menu, one
// caption height above the client area; what it types ends the rack part.
// Commands refresh its sets and its bag.
TEST_F(OpenerTest, TheLetterSetButtonAndMenuOpenTheQueryConstituentDialog) {
    QPushButton& button = *Main().QueryTab().QueryCharacter;
    ASSERT_TRUE(button.isEnabled());
    ASSERT_TRUE(Main().MenuItem({"Query", "Letter/Blank/Set..."}).isEnabled());
    Type("AB,C");
    QRect outer;
    EXPECT_EQ(Opened([&] { button.click(); }, &outer, [](QWidget&) { AddQueryCharacter->Letter->OK->click(); }),
              AddQueryCharacter.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(*form).top() - CaptionHeight()));
    EXPECT_EQ(CommandLine(), "AB,C A");
    EXPECT_FALSE(RackMode) << "the line was checked again";

    Perform("/3U\"nouns\"=(AB)");
    Perform("/(B)=(9A2B2C4D12E2F3G2H9I1J1K4L2M6N8O2P1Q6R4S6T4U2V2W1X2Y2Z)");
    EXPECT_EQ(AddQueryCharacter->BaseSet->count(), 1);
    EXPECT_EQ(AddQueryCharacter->BuiltInSet->BagOfLetters->text(), "Bag of letters (99 of them)");
    EXPECT_EQ(Opened({"Query", "Letter/Blank/Set..."}), AddQueryCharacter.data());
    Type("AB(");
    EXPECT_EQ(Opened([&] { button.click(); }), nullptr) << "not while the line has an error";
}

// The rack letter and the word reference open from the query page and the
// Query menu, one caption height above the client area.
TEST_F(OpenerTest, TheRackAndWordButtonsAndMenusOpenTheirDialogs) {
    QueryPage& query = Main().QueryTab();
    const auto captionAbove = [&](const QRect& outer) {
        return RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(*form).top() - CaptionHeight());
    };
    Type("AEIRST");
    QRect outer;
    const auto addQ = [](QWidget&) {
        AddRackCharacter->Letter->Letters->ButtonOfTile('Q' - 'A' + 1)->click();
        AddRackCharacter->Letter->OK->click();
    };
    EXPECT_EQ(Opened([&] { query.RackCharacter->click(); }, &outer, addQ), AddRackCharacter.data());
    EXPECT_EQ(outer.topLeft(), captionAbove(outer));
    EXPECT_EQ(CommandLine(), "AEIRST,Q");
    EXPECT_TRUE(RackMode) << "the line was checked again";
    EXPECT_EQ(Opened({"Query", "Rack Letter/Blank..."}), AddRackCharacter.data());

    EXPECT_EQ(Opened([&] { query.QueryWord->click(); }, &outer, [](QWidget&) { AddWordReference->OK->click(); }),
              AddWordReference.data());
    EXPECT_EQ(outer.topLeft(), captionAbove(outer));
    EXPECT_EQ(CommandLine(), "AEIRST,Q []");
    EXPECT_EQ(Opened({"Query", "Word/Subword..."}), AddWordReference.data());
    EXPECT_EQ(AddWordReference->SubwordFrom.Value->count(), MaxWordLength) << "filled when the lexicons were chosen";
}

// The language switch reaches the dialog's texts.
TEST_F(MainWindowTest, ASpanishLexiconGivesTheQueryConstituentItsSpanishTexts) {
    lexicons.Add("ESPANOL.QLX", {"CHICO"}, Language::Spanish);
    ASSERT_EQ(Start(), "");
    Settle();
    EXPECT_EQ(AddQueryCharacter->Presence->Item(1)->text(), "first time in word - any tile");
    EXPECT_EQ(AddQueryCharacter->BuiltInSet->BagOfLetters->text(), "Bag of Tiles (98 of them)");
}

TEST_F(OpenerTest, TheBoardSquareOpensTheDialogOfTheBoardInUseAtTheWorkspacesFoot) {
    BoardPage& board = Main().BoardTab();
    QRect outer;
    EXPECT_EQ(Opened([&] { board.BoardPosition->showPopup(); }, &outer), BoardDlg.data());
    const QPoint corner(ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).bottom() + 1);
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(QRect(corner - QPoint(outer.width(), outer.height()), outer.size())).topLeft());
    // In a scoring mode without a square nothing is typed, and the box
    // shows the square chosen.
    Opened([&] { board.BoardPosition->showPopup(); }, nullptr,
           [](QWidget&) {
               BoardDlg->Board->SelectCell(11, 14);
               BoardDlg->OK->click();
           });
    EXPECT_EQ(CommandLine(), "");
    EXPECT_EQ(board.BoardPosition->currentText().toStdString(), "12O");
    Perform("/@=21");
    EXPECT_EQ(Opened([&] { board.BoardPosition->showPopup(); }), SuperBoardDlg.data());
}

TEST_F(OpenerTest, TheMenusOpenTheMappingThePrintDialogAndThePageSetup) {
    QRect outer;
    EXPECT_EQ(Opened({"Query", "Letter Mapping..."}, &outer), MappingDlg.data());
    EXPECT_EQ(outer.topLeft(), RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(*form).top()));
    EXPECT_EQ(Opened({"File", "Print..."}), QoraPrintDlg.data());

    QWidget* pageSetup = Opened({"File", "Page Setup..."}, &outer);
    EXPECT_EQ(pageSetup, QoraPageSetupDlg.data()) << "made the first time it opens";
    const QPoint corner(form->frameGeometry().right() + 1 - 6, ScreenRectOf(Workspace()).bottom() + 1);
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(QRect(corner - QPoint(outer.width(), outer.height()), outer.size())).topLeft());
    // The page setup acts directly: a line with an error does not keep it away.
    Type("AB(");
    EXPECT_EQ(Opened({"File", "Page Setup..."}), QoraPageSetupDlg.data());
    EXPECT_EQ(Opened({"File", "Print..."}), nullptr);
}

// "/PW" asks for the printer; cancelling there prints nothing and is no error.
TEST_F(OpenerTest, PrintingAsksForThePrinter) {
    QWidget* asked = Opened([&] { Perform("/PW \"Anagrams\" "); }, nullptr,
                            [](QWidget& modal) { static_cast<QDialog&>(modal).reject(); });
    EXPECT_NE(asked, nullptr);
    for (const std::string& line : Lines()) EXPECT_EQ(line.find("Error"), std::string::npos) << line;
}

TEST_F(OpenerTest, TheFilterEditorsOpenOnTheWorkspacesLeftEdgeBelowTheFilters) {
    FilterPage& filters = Main().FiltersTab();
    Main().QueryOrPresentation().setCurrentWidget(&filters);
    Settle();
    const QPoint belowFilters(ScreenRectOf(Workspace()).left(), ScreenRectOf(*filters.FilteringDefnValue).bottom() + 1);
    const std::pair<QToolButton*, QoraDialog*> openers[] = {
        {filters.FilteringLengthButton, EditQFWordLength.data()},
        {filters.FilteringScoreButton, EditQFWordScore.data()},
        {filters.FilteringProbabilityButton, EditQFProbability.data()},
        {filters.FilteringWordCountButton, EditQFWordCount.data()},
        {filters.FilteringAnagramCountButton, EditQFAnagramCount.data()},
        {filters.FilteringFrontHooksButton, EditQFHooks.data()},
        {filters.FilteringBackHooksButton, EditQFHooks.data()},
        {filters.FilteringBlankButton, EditQFBlank.data()},
        {filters.FilteringDefnButton, EditQFDefn.data()}};
    for (auto [button, dialog] : openers) {
        ASSERT_TRUE(button->isEnabled());
        QRect outer;
        EXPECT_EQ(Opened([&] { button->click(); }, &outer), dialog);
        EXPECT_EQ(outer.topLeft(), KeptOnScreen(QRect(belowFilters, outer.size())).topLeft());
    }
    EXPECT_FALSE(HooksDialogFront) << "set by the back hooks button";
    EXPECT_EQ(Opened([&] { filters.FilteringFrontHooksValue->showPopup(); }), EditQFHooks.data());
    EXPECT_TRUE(HooksDialogFront);
    EXPECT_EQ(EditQFHooks->windowTitle(), " Query Filtering Based on Front Hooks");
    // A line with an error refuses them.
    Type("(");
    EXPECT_EQ(Opened([&] { filters.FilteringBlankValue->showPopup(); }), nullptr);
}

TEST_F(OpenerTest, AFilterEditorsOKTypesTheFilterThatTheFilterPageThenShows) {
    FilterPage& filters = Main().FiltersTab();
    Opened([&] { filters.FilteringLengthButton->click(); }, nullptr,
           [](QWidget&) {
               PickWithMouse(*EditQFWordLength->Relop, 5);
               EditQFWordLength->Value1->selectAll();
               QTest::keyClicks(EditQFWordLength->Value1, "7");
               EditQFWordLength->OK->click();
           });
    EXPECT_EQ(CommandLine(), "/|=7  ");
    EXPECT_TRUE(filters.FilteringLength->isChecked());
    EXPECT_EQ(filters.FilteringLengthValue->currentText(), "=7");
}

TEST_F(OpenerTest, ShowDefinitionsOpensAtTheRightEdgeOnTheWorkspacesTop) {
    ASSERT_TRUE(Main().MenuItem({"Query", "Show Definitions Based on Their Contents..."}).isEnabled());
    QRect outer;
    EXPECT_EQ(Opened({"Query", "Show Definitions Based on Their Contents..."}, &outer,
                     [](QWidget&) {
                         QTest::keyClicks(ShowDefnsDlg->String1, "noun");
                         ShowDefnsDlg->OK->click();
                     }),
              ShowDefnsDlg.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/SD \"noun\" ");
}

// The new set opens from its button and the Sets menu, one caption height
// above the client area; a redefined bag shows in its built-in page.
TEST_F(OpenerTest, NewSetOpensFromItsButtonAndMenu) {
    QueryPage& query = Main().QueryTab();
    Perform("/1U=(AB)");
    QRect outer;
    const auto consonants = [](QWidget&) {
        DefineNewSet->BuiltInSet->Consonants->click();
        DefineNewSet->BuiltInSet->OK->click();
    };
    EXPECT_EQ(Opened([&] { query.NewSet->click(); }, &outer, consonants), DefineNewSet.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(*form).top() - CaptionHeight()));
    EXPECT_EQ(CommandLine(), "/2U=(C)");
    Perform("");
    EXPECT_EQ(UserSetCount(), 2);
    Perform("/(B)=(9A2B2C4D12E2F3G2H9I1J1K4L2M6N8O2P1Q6R4S6T4U2V2W1X2Y2Z)");
    EXPECT_EQ(DefineNewSet->BuiltInSet->BagOfLetters->text(), "Bag of letters (99 of them)");
    EXPECT_EQ(Opened({"Sets", "Define Set..."}), DefineNewSet.data());
}

TEST_F(OpenerTest, LabelSetOpensForTheSetChosenInTheListAtTheWorkspacesTop) {
    QueryPage& query = Main().QueryTab();
    ASSERT_TRUE(query.LabelSet->isEnabled());
    ASSERT_TRUE(Main().MenuItem({"Sets", "Label Set..."}).isEnabled());
    EXPECT_EQ(Opened([&] { query.LabelSet->click(); }), nullptr) << "no set to label";
    Perform("/4U=(AEIOU) /7U=(ST)");
    query.UserSets->setCurrentIndex(1);
    QRect outer;
    const auto typeLabel = [](QWidget&) {
        EXPECT_EQ(LabelSetDlg->LabelSetLabel->text(), "Label set 7:");
        QTest::keyClicks(LabelSetDlg->SetLabel, "ends");
        LabelSetDlg->OK->click();
    };
    EXPECT_EQ(Opened([&] { query.LabelSet->click(); }, &outer, typeLabel), LabelSetDlg.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/7U\"ends\"=(7)");
    Perform("");
    EXPECT_EQ(query.UserSets->itemText(1).toStdString(), " 7 ends       : ST");
    query.UserSets->setCurrentIndex(0);
    EXPECT_EQ(Opened({"Sets", "Label Set..."}), LabelSetDlg.data());
    EXPECT_EQ(LabelSetNumber, 4);
}

TEST_F(OpenerTest, SetBAndSetDollarOpenOneFormAtTheMainWindowsOuterRightEdge) {
    QueryPage& query = Main().QueryTab();
    QRect outer;
    const auto defaults = [](QWidget&) {
        DefineNewSetB->DefaultValues->click();
        DefineNewSetB->OK->click();
    };
    EXPECT_EQ(Opened([&] { query.SetBButton->click(); }, &outer, defaults), DefineNewSetB.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, form->frameGeometry().right() + 1, ScreenRectOf(*form).top() - CaptionHeight()));
    EXPECT_EQ(CommandLine(), "/(B)=(9A2B2C4D12E2F3G2H9IJK4L2M6N8O2PQ6R4S6T4U2V2WX2YZ)");
    SetCommandLine("");
    EXPECT_EQ(Opened([&] { query.LetterScoresValues->showPopup(); }), DefineNewSetB.data());
    EXPECT_FALSE(SetBDialogIsBag);
    EXPECT_EQ(Opened([&] { query.SetB->showPopup(); }), DefineNewSetB.data());
    EXPECT_TRUE(SetBDialogIsBag);
    Opened([&] { query.LetterScoresButton->click(); }, nullptr,
           [](QWidget&) {
               QTest::keyClick(DefineNewSetB->SpecifiedSetHome, Qt::Key_A);
               QTest::keyClick(DefineNewSetB->SpecifiedSetHome, Qt::Key_Return);
           });
    Perform("");
    EXPECT_EQ(TileScores[0], 2) << "the line performed";
}

TEST_F(OpenerTest, WordPresenceOpensAtTheWorkspacesTopLeftOnTheLinesWord) {
    Type("quixotic");
    QRect outer;
    const auto ok = [](QWidget&) {
        EXPECT_EQ(WordPresenceDlg->TheWord->text(), "QUIXOTIC");
        ClickOK(*WordPresenceDlg);
    };
    EXPECT_EQ(Opened({"Query", "Word/String Presence..."}, &outer, ok), WordPresenceDlg.data());
    EXPECT_EQ(outer.topLeft(), KeptOnScreen(QRect(ScreenRectOf(Workspace()).topLeft(), outer.size())).topLeft());
    EXPECT_EQ(CommandLine(), "quixotic/-?");
    EXPECT_TRUE(Workspace().hasFocus() || !form->isActiveWindow());
    EXPECT_EQ(WordPresenceDlg->InLexicon->text(), "is in the primary lexicon")
        << "written when the lexicons were chosen";
}

// The wordlists page's buttons and the menus open their dialogs for the
// wordlist chosen in the Wordlists list and the word selected in it.
TEST_F(OpenerTest, TheWordlistButtonsAndMenusOpenTheirDialogs) {
    Perform("ACT");
    Perform("/5W");
    WordlistsPage& page = Main().WordlistsTab();
    PickWithMouse(*page.Wordlists, 1);
    ASSERT_EQ(page.Wordlist->count(), 2);
    page.Wordlist->setCurrentRow(0);

    QRect outer;
    const auto label = [](QWidget&) {
        QTest::keyClicks(LabelWordlistDlg->WordlistLabel, "Nouns");
        ClickOK(*LabelWordlistDlg);
    };
    EXPECT_EQ(Opened([&] { page.LabelWordlist->click(); }, &outer, label), LabelWordlistDlg.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/5L\"Nouns\"");
    EXPECT_EQ(Opened({"Wordlists", "Label Wordlist..."}), LabelWordlistDlg.data());
    EXPECT_EQ(LabelWordlistNumber, 5);

    form->ReplaceCommandLine("");
    EXPECT_EQ(Opened([&] { page.NewWordlist->click(); }, &outer,
                     [](QWidget&) {
                         EXPECT_EQ(MakeNewWordlist->UnusedNumber->Position(), 1);
                         ClickOK(*MakeNewWordlist->CopyOfWordlist);
                     }),
              MakeNewWordlist.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/1W");
    EXPECT_EQ(Opened({"File", "Import Wordlist..."}, nullptr,
                     [](QWidget& dialog) {
                         EXPECT_EQ(MakeNewWordlist->NewWordlistKinds->ActivePageIndex(), TMakeNewWordlist::ImportPage);
                         static_cast<QoraDialog&>(dialog).CloseWithResult(mrCancel);
                     }),
              MakeNewWordlist.data());

    form->ReplaceCommandLine("");
    const auto move = [](QWidget&) {
        EXPECT_TRUE(MoveItemDlg->Disposition->Item(DispositionMove)->isChecked());
        MoveItemDlg->ToNewWordlist->click();
        ClickOK(*MoveItemDlg);
    };
    EXPECT_EQ(Opened([&] { page.MoveItem->click(); }, &outer, move), MoveItemDlg.data());
    const QPoint lowerRight = ScreenRectOf(*form).bottomRight() + QPoint(1, 1);
    EXPECT_EQ(outer.topLeft(),
              KeptOnScreen(QRect(lowerRight - QPoint(outer.width(), outer.height()), outer.size())).topLeft());
    EXPECT_EQ(CommandLine(), "/1:0=5:1M");
    Press(Qt::Key_Return);  // the line does what the dialog showed
    Settle();
    EXPECT_EQ(FindWordlist(5)->Count(), 1);
    ASSERT_NE(FindWordlist(1), nullptr);
    EXPECT_EQ(WordlistItemText(1, 1), "ACT");
    EXPECT_EQ(FindWordlist(5)->Label, "") << "the label typed before was never performed";

    form->ReplaceCommandLine("");
    EXPECT_EQ(Opened([&] { Main().RandomRacksTab().RandomRacksToWordlist->click(); }, &outer,
                     [](QWidget&) { ClickOK(*RandomRacksDlg); }),
              RandomRacksDlg.data());
    EXPECT_EQ(outer.topLeft(),
              RightEdgePlaced(outer, ScreenRectOf(*form).right() + 1, ScreenRectOf(Workspace()).top()));
    EXPECT_EQ(CommandLine(), "/. 100 > 2 A");
    EXPECT_EQ(Opened({"Wordlists", "Append Random Racks..."}), RandomRacksDlg.data());
    // A line with an error refuses them.
    Type("(");
    EXPECT_EQ(Opened([&] { page.MoveItem->click(); }), nullptr);
    EXPECT_EQ(Opened({"Wordlists", "Delete Item(s)..."}), nullptr);
}

TEST_F(OpenerTest, TheItemMenusAskForTheirOperationAndTheFlashcardItemsForTheCurrentCard) {
    Perform("ACT");
    Perform("/5W");
    Perform("/H5");
    const std::tuple<QAction*, int, bool> items[] = {
        {&Main().MenuItem({"Wordlists", "Delete Item(s)..."}), DispositionDelete, false},
        {&Main().MenuItem({"Wordlists", "Copy Item(s)..."}), DispositionCopy, false},
        {&Main().MenuItem({"Wordlists", "Move Item(s)..."}), DispositionMove, false},
        {&Main().MenuItem({"Flashcards", "Delete Current Card"}), DispositionDelete, true},
        {&Main().MenuItem({"Flashcards", "Copy Current Card"}), DispositionCopy, true},
        {&Main().MenuItem({"Flashcards", "Move Current Card", "To Somewhere Else"}), DispositionMove, true}};
    for (const auto& [item, operation, flashcard] : items) {
        EXPECT_EQ(Opened([&] { item->trigger(); }, nullptr,
                         [&](QWidget& dialog) {
                             EXPECT_TRUE(MoveItemDlg->Disposition->Item(operation)->isChecked());
                             EXPECT_EQ(MoveItemDlg->Flashcard->isChecked(), flashcard);
                             static_cast<QoraDialog&>(dialog).CloseWithResult(mrCancel);
                         }),
                  MoveItemDlg.data());
    }
    form->ReplaceCommandLine("");
    Opened({"Flashcards", "Delete Current Card"}, nullptr, [](QWidget&) { ClickOK(*MoveItemDlg); });
    EXPECT_EQ(CommandLine(), "/=5:1D");
}

}  // namespace
}  // namespace qora::test
