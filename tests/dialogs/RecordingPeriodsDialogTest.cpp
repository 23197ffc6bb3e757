#include "dialogs/RecordingPeriodsDialog.h"

#include <QListWidget>
#include <QPushButton>

#include "platform/qt/CommitComboBox.h"
#include "platform/qt/SpinField.h"
#include "support/qt/SmallDialogTest.h"
#include "support/qt/WidgetInput.h"

namespace qora {
namespace {

constexpr int AlwaysItem = 0, DailyItem = 1, LastItem = 7, AllItem = 8;
constexpr int Friday = 5;

class TimePeriodsDialogTest : public SmallDialogTest {
protected:
    void Compose(int weekItem, int weekday, int start, int hours) {
        PickWithMouse(*dialog.Week, weekItem);
        dialog.Weekday->setCurrentIndex(weekday);
        dialog.StartHour->SetPosition(start);
        dialog.Duration->SetPosition(hours);
    }

    QStringList Shown() const { return Lines(*dialog.Periods); }

    TTimePeriodsDlg dialog;
};

TEST_F(TimePeriodsDialogTest, TheControlsFollowTheKindOfPeriod) {
    Open(dialog);
    PickWithMouse(*dialog.Week, AlwaysItem);
    EXPECT_FALSE(dialog.Weekday->isEnabled());
    EXPECT_FALSE(dialog.StartHour->isEnabled());
    PickWithMouse(*dialog.Week, DailyItem);
    EXPECT_FALSE(dialog.Weekday->isEnabled());
    EXPECT_TRUE(dialog.Duration->isEnabled());
    PickWithMouse(*dialog.Week, LastItem);
    EXPECT_TRUE(dialog.Weekday->isEnabled());
    EXPECT_TRUE(dialog.StartHour->isEnabled());
}

TEST_F(TimePeriodsDialogTest, PeriodsAreAddedReplacedAndDeleted) {
    Open(dialog);
    EXPECT_FALSE(dialog.ReplacePeriod->isEnabled());
    Compose(AllItem, Friday, 19, 10);
    dialog.AddPeriod->click();
    Compose(DailyItem, Friday, 23, 3);
    dialog.AddPeriod->click();
    Compose(AlwaysItem, 0, 0, 1);
    dialog.AddPeriod->click();
    EXPECT_EQ(Shown(), QStringList({"ALL FRIDAY 19,10", "DAILY 23,3", "ALWAYS"}));

    dialog.Periods->setCurrentRow(0);
    EXPECT_EQ(dialog.Week->currentIndex(), AllItem) << "a chosen period shows in the controls";
    EXPECT_EQ(dialog.Weekday->currentIndex(), Friday);
    EXPECT_EQ(dialog.StartHour->Position(), 19);
    Compose(LastItem, 0, 6, 24);
    dialog.ReplacePeriod->click();
    dialog.Periods->setCurrentRow(2);
    dialog.DeletePeriod->click();
    EXPECT_EQ(Shown(), QStringList({"LAST SUNDAY 6,24", "DAILY 23,3"}));
    EXPECT_EQ(dialog.Periods->currentRow(), 1) << "the period before the deleted one is chosen";

    EXPECT_TRUE(RecordingPeriods.empty()) << "nothing is kept before OK";
    dialog.OK->click();
    ASSERT_EQ(RecordingPeriods.size(), 2u);
    EXPECT_EQ(FormatRecordingPeriod(RecordingPeriods[0]), "LAST SUNDAY 6,24");
    EXPECT_FALSE(RecordingOn) << "the periods decide only at start-up";
}

TEST_F(TimePeriodsDialogTest, CancelKeepsThePeriods) {
    RecordingPeriods = {{RecordingWeek::Daily, 0, 8, 2}};
    Open(dialog);
    EXPECT_EQ(Shown(), QStringList({"DAILY 8,2"}));
    dialog.Periods->setCurrentRow(0);
    dialog.DeletePeriod->click();
    dialog.Cancel->click();
    ASSERT_EQ(RecordingPeriods.size(), 1u);
    Open(dialog);
    EXPECT_EQ(Shown(), QStringList({"DAILY 8,2"}));
}

TEST_F(TimePeriodsDialogTest, Layout) {
    for (int n = 0; n < 12; ++n) RecordingPeriods.push_back({RecordingWeek::Fourth, 3, 23, 24});
    Open(dialog);
    Compose(LastItem, 3, 23, 24);
    ExpectSoundLayout(dialog, "time-periods-dialog");
}

}  // namespace
}  // namespace qora
