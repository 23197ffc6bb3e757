// The Make New Wordlist dialog: the number and label chosen, the three pages
// and what each types (copies, computed wordlists, imports), one append per
// text.
#include "dialogs/NewWordlistDialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>

#include "dialogs/DialogParts.h"
#include "engine/Wordlists.h"
#include "platform/qt/CommitComboBox.h"
#include "platform/qt/PageControl.h"
#include "platform/qt/RadioGroup.h"
#include "platform/qt/SpinField.h"
#include "support/qt/CommandDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

class NewWordlistDialogTest : public CommandDialogTest {
protected:
    void SetUp() override {
        CommandDialogTest::SetUp();
        ConsoleEditHooks.RecheckCommandLine = [this] { ++appends; };
    }

    static void MakeWordlists(std::initializer_list<std::int32_t> numbers) {
        for (const std::int32_t number : numbers) AppendWordlistItem(*ObtainWordlist(number), "CAT", false);
    }

    void OpenOn(TMakeNewWordlist::Page page) {
        ClearLine();
        appends = 0;
        dialog.hide();
        dialog.NewWordlistKinds->SetActivePage(page);
        Open(dialog);
    }

    // The line of wordlist `number` in a choice list (0 the slate).
    static int LineOf(const CommitComboBox& list, std::int32_t number) {
        if (number == 0) return 0;
        for (int line = 1; line < list.count(); ++line)
            if (list.itemText(line).split(' ', Qt::SkipEmptyParts).value(1) == QString::number(number)) return line;
        return -1;
    }

    void Replace(std::int32_t number) {
        dialog.ChooseNumber->Item(1)->click();
        PickWithMouse(*dialog.ExistingWordlists, LineOf(*dialog.ExistingWordlists, number));
    }

    void Label(const char* label) {
        dialog.ChooseLabel->Item(1)->click();
        dialog.WordlistLabel->setText(label);
    }

    std::string TypedBy(QPushButton& ok) {
        if (!ok.isEnabled()) return "(OK disabled)";
        ok.click();
        EXPECT_FALSE(dialog.isVisible());
        return Typed();
    }

    int appends = 0;
    TMakeNewWordlist dialog;
};

TEST_F(NewWordlistDialogTest, WithNoWordlistTheSlateIsCopiedIntoWordlistOne) {
    OpenOn(TMakeNewWordlist::ComputedPage);
    EXPECT_EQ(dialog.NewWordlistKinds->ActivePageIndex(), TMakeNewWordlist::CopyPage) << "no Computed page";
    EXPECT_FALSE(dialog.NewWordlistKinds->Tab(TMakeNewWordlist::ComputedPage)->isVisible());
    EXPECT_EQ(dialog.ExistingWordlists->count(), 1);
    EXPECT_EQ(dialog.UnusedNumber->Field()->text(), "  1");
    EXPECT_TRUE(dialog.Sorted->isVisible());
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/1W");
    OpenOn(TMakeNewWordlist::CopyPage);
    dialog.Sorted->click();
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/1~W");
}

TEST_F(NewWordlistDialogTest, TheUnusedNumberSkipsNumbersInUseAndNeverGoesBelowTheFirst) {
    MakeWordlists({1, 2, 4});
    OpenOn(TMakeNewWordlist::CopyPage);
    SpinField& number = *dialog.UnusedNumber;
    const auto click = [&](UpDownButton button) { dialog.UnusedNumberUpDown->Arrow(button)->click(); };
    EXPECT_EQ(number.Field()->text(), "  3");
    click(UpDownButton::Up);
    EXPECT_EQ(number.Field()->text(), "  5");
    click(UpDownButton::Down);
    EXPECT_EQ(number.Field()->text(), "  3");
    click(UpDownButton::Down);
    EXPECT_EQ(number.Field()->text(), "  3");
    click(UpDownButton::Up);
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/5W");

    for (std::int32_t n = 3; n <= MaxWordlistNumber; ++n)
        if (n != 98) MakeWordlists({n});
    OpenOn(TMakeNewWordlist::CopyPage);
    EXPECT_EQ(number.Field()->text(), " 98");
    click(UpDownButton::Up);
    EXPECT_EQ(number.Field()->text(), " 98");
    EXPECT_EQ(number.Position(), 98);

    MakeWordlists({98});  // no number free: only "Replace:"
    OpenOn(TMakeNewWordlist::CopyPage);
    EXPECT_FALSE(dialog.ChooseNumber->Item(0)->isEnabled());
    EXPECT_TRUE(dialog.ChooseNumber->Item(1)->isChecked());
    EXPECT_EQ(number.Field()->text(), "");
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/1W");
}

TEST_F(NewWordlistDialogTest, CopiesReplaceOrRestoreAndALabelFollowsAsASecondText) {
    MakeWordlists({2, 7});
    OpenOn(TMakeNewWordlist::CopyPage);
    Replace(0);
    EXPECT_FALSE(dialog.ChooseLabel->isEnabled()) << "the slate takes no label";
    PickWithMouse(*dialog.BaseWordlist, LineOf(*dialog.BaseWordlist, 7));
    EXPECT_FALSE(dialog.Sorted->isVisible());
    EXPECT_TRUE(dialog.CopyOK->hasFocus());
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/7R");

    OpenOn(TMakeNewWordlist::CopyPage);
    Replace(0);
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "") << "the slate onto itself";

    OpenOn(TMakeNewWordlist::CopyPage);
    EXPECT_EQ(dialog.UnusedNumber->Field()->text(), "  1");
    dialog.UnusedNumberUpDown->Arrow(UpDownButton::Up)->click();  // 2 is in use
    Label("Verbs");
    PickWithMouse(*dialog.BaseWordlist, LineOf(*dialog.BaseWordlist, 2));
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/Y3=2/3L\"Verbs\"");
    EXPECT_EQ(appends, 2);

    OpenOn(TMakeNewWordlist::CopyPage);
    EXPECT_EQ(dialog.ChooseLabel->ItemIndex(), 0) << "each showing starts without a label";
    Replace(7);
    EXPECT_TRUE(dialog.ChooseLabel->isEnabled());
    Label("Nouns");
    dialog.Sorted->click();
    EXPECT_EQ(TypedBy(*dialog.CopyOK), "/7~W\"Nouns\"");
    EXPECT_EQ(appends, 1);
}

TEST_F(NewWordlistDialogTest, AComputedWordlistNeedsTwoDifferentOperands) {
    MakeWordlists({3});
    OpenOn(TMakeNewWordlist::ComputedPage);
    EXPECT_EQ(dialog.Wordlist1->currentIndex(), 0);
    EXPECT_EQ(dialog.Wordlist2->currentIndex(), 1);
    EXPECT_TRUE(dialog.ComputedWordlistOK->isEnabled());
    PickWithMouse(*dialog.Wordlist1, 1);
    EXPECT_FALSE(dialog.ComputedWordlistOK->isEnabled());
    PickWithMouse(*dialog.Wordlist1, 0);
    EXPECT_TRUE(dialog.ComputedWordlistOK->hasFocus());
    PickWithMouse(*dialog.SetOperation, DifferenceItem);
    EXPECT_TRUE(dialog.Wordlist2->hasFocus());
    dialog.UnusedNumberUpDown->Arrow(UpDownButton::Up)->click();
    dialog.UnusedNumberUpDown->Arrow(UpDownButton::Up)->click();
    EXPECT_EQ(dialog.UnusedNumber->Field()->text(), "  4");
    EXPECT_EQ(TypedBy(*dialog.ComputedWordlistOK), "/Y4=0-3");

    OpenOn(TMakeNewWordlist::ComputedPage);
    EXPECT_EQ(dialog.SetOperation->currentIndex(), UnionItem);
    Label("Both");
    EXPECT_EQ(TypedBy(*dialog.ComputedWordlistOK), "/Y1=0|3/1L\"Both\"");
    EXPECT_EQ(appends, 2);
}

TEST_F(NewWordlistDialogTest, AnImportTypesTheFileChosenWithItsLabelInOneText) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("nouns.wds").toStdString();
    std::ofstream(path) << "CAT\n";
    QString title;
    const auto choose = [&](QWidget& modal) {
        title = modal.windowTitle();
        ChooseFile(modal, path);
    };

    OpenOn(TMakeNewWordlist::ImportPage);
    EXPECT_EQ(dialog.ChooseLabel->Item(0)->text(), "Get it (if any) from the file, else none");
    WhenModalOpens(choose);
    EXPECT_EQ(TypedBy(*dialog.ImportWordlistOK), "/FR1W\"" + path + "\"");
    EXPECT_EQ(title, "Import Wordlist 1");

    OpenOn(TMakeNewWordlist::ImportPage);
    Label("Nouns");
    WhenModalOpens(choose);
    EXPECT_EQ(TypedBy(*dialog.ImportWordlistOK), "/FR1W\"" + path + "\"/1L\"Nouns\"");
    EXPECT_EQ(appends, 1);

    OpenOn(TMakeNewWordlist::ImportPage);
    WhenModalOpens([](QWidget& modal) { static_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(TypedBy(*dialog.ImportWordlistOK), "") << "cancelled: nothing, and the dialog closes";

    OpenOn(TMakeNewWordlist::ImportPage);
    Replace(0);
    EXPECT_FALSE(dialog.ImportWordlistOK->isEnabled()) << "the command imports into wordlists 1 to 99";
    dialog.NewWordlistKinds->Tab(TMakeNewWordlist::CopyPage)->click();
    EXPECT_EQ(dialog.ChooseLabel->Item(0)->text(), "None");
}

TEST_F(NewWordlistDialogTest, EscAndEveryHelp) {
    MakeWordlists({1});
    const std::pair<TMakeNewWordlist::Page, QPushButton*> pageHelps[] = {
        {TMakeNewWordlist::CopyPage, dialog.CopyHelp},
        {TMakeNewWordlist::ComputedPage, dialog.ComputedWordlistHelp},
        {TMakeNewWordlist::ImportPage, dialog.ImportWordlistHelp}};
    for (const auto& [page, help] : pageHelps) {
        OpenOn(page);
        ExpectHelpKeepsDialogOpen(dialog, *help);
    }
    ExpectHelpKeepsDialogOpen(dialog, *dialog.Help);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Typed(), "");
}

TEST_F(NewWordlistDialogTest, Layout) {
    MakeWordlists({1, 12});
    SetWordlistLabel(12, "Twenty characters!!!");
    dialog.WordlistLabel->setText("Twenty characters!!!");
    ExpectSoundLayoutInBothLanguages(dialog, "new-wordlist");
    dialog.NewWordlistKinds->SetActivePage(TMakeNewWordlist::ComputedPage);
    dialog.SetOperation->setCurrentIndex(DifferenceItem);
    ExpectSoundLayout(dialog, "new-wordlist-computed");
}

}  // namespace
}  // namespace qora
