#include "processor/RecordingSchedule.h"

#include <gtest/gtest.h>

#include "support/LocalTime.h"

namespace qora {
namespace {

// A local time; the calendar days below are fixed (1 March 2024 is a Friday).
std::time_t At(int year, int month, int day, int hour, int minute = 0) {
    return test::LocalTime(year, month, day, hour, minute);
}

RecordingPeriod Daily(int start, int duration) { return {RecordingWeek::Daily, 0, start, duration}; }

RecordingPeriod Weekly(RecordingWeek week, int weekday, int start, int duration) {
    return {week, weekday, start, duration};
}

constexpr int Thursday = 4;
constexpr int Friday = 5;

TEST(RecordingScheduleTest, AlwaysCoversEveryMoment) {
    const RecordingPeriod always{RecordingWeek::Always, 0, 0, 0};
    EXPECT_TRUE(RecordingPeriodCovers(always, At(2024, 3, 1, 3)));
    EXPECT_TRUE(RecordingPeriodCovers(always, At(2024, 12, 31, 23, 59)));
}

TEST(RecordingScheduleTest, DailyPeriodsRunFromTheirStartHourForTheirDuration) {
    const RecordingPeriod evening = Daily(18, 4);
    EXPECT_FALSE(RecordingPeriodCovers(evening, At(2024, 3, 5, 17, 59)));
    EXPECT_TRUE(RecordingPeriodCovers(evening, At(2024, 3, 5, 18, 0)));
    EXPECT_TRUE(RecordingPeriodCovers(evening, At(2024, 3, 5, 21, 59)));
    EXPECT_FALSE(RecordingPeriodCovers(evening, At(2024, 3, 5, 22, 0)));

    const RecordingPeriod pastMidnight = Daily(23, 3);
    EXPECT_TRUE(RecordingPeriodCovers(pastMidnight, At(2024, 3, 6, 1, 30)))
        << "01:30 still belongs to the evening before";
    EXPECT_FALSE(RecordingPeriodCovers(pastMidnight, At(2024, 3, 6, 2, 0)));
}

TEST(RecordingScheduleTest, ARecordingDayRunsFromSixToSix) {
    const RecordingPeriod longNight = Daily(20, 24);
    EXPECT_TRUE(RecordingPeriodCovers(longNight, At(2024, 3, 6, 5, 59)));
    EXPECT_FALSE(RecordingPeriodCovers(longNight, At(2024, 3, 6, 6, 0))) << "the period ends at 06:00 at the latest";

    const RecordingPeriod early = Daily(2, 5);  // counts from 06:00
    EXPECT_FALSE(RecordingPeriodCovers(early, At(2024, 3, 6, 2, 30)));
    EXPECT_FALSE(RecordingPeriodCovers(early, At(2024, 3, 6, 5, 59)));
    EXPECT_TRUE(RecordingPeriodCovers(early, At(2024, 3, 6, 6, 0)));
    EXPECT_TRUE(RecordingPeriodCovers(early, At(2024, 3, 6, 10, 59)));
    EXPECT_FALSE(RecordingPeriodCovers(early, At(2024, 3, 6, 11, 0)));
}

TEST(RecordingScheduleTest, WeeksOfTheMonthAndWeekdays) {
    // The Fridays of March 2024 are the 1st, 8th, 15th, 22nd and 29th.
    const int fridays[] = {1, 8, 15, 22, 29};
    const RecordingWeek weeks[] = {RecordingWeek::First, RecordingWeek::Second, RecordingWeek::Third,
                                   RecordingWeek::Fourth, RecordingWeek::Fifth};
    for (int w = 0; w < 5; ++w)
        for (int d = 0; d < 5; ++d)
            EXPECT_EQ(RecordingPeriodCovers(Weekly(weeks[w], Friday, 18, 4), At(2024, 3, fridays[d], 19)), w == d)
                << "week " << w + 1 << ", Friday " << fridays[d];
    EXPECT_FALSE(RecordingPeriodCovers(Weekly(RecordingWeek::First, Friday, 18, 4), At(2024, 3, 2, 19)))
        << "a Saturday of the first week";
    for (int day : fridays)
        EXPECT_TRUE(RecordingPeriodCovers(Weekly(RecordingWeek::All, Friday, 18, 4), At(2024, 3, day, 19)));
    EXPECT_FALSE(RecordingPeriodCovers(Weekly(RecordingWeek::All, Friday, 18, 4), At(2024, 3, 7, 19)));

    const RecordingPeriod lastFriday = Weekly(RecordingWeek::Last, Friday, 18, 4);
    EXPECT_TRUE(RecordingPeriodCovers(lastFriday, At(2024, 3, 29, 19)));
    EXPECT_FALSE(RecordingPeriodCovers(lastFriday, At(2024, 3, 22, 19)));
    const RecordingPeriod lastThursday = Weekly(RecordingWeek::Last, Thursday, 18, 4);
    EXPECT_TRUE(RecordingPeriodCovers(lastThursday, At(2024, 2, 29, 19))) << "leap year";
    EXPECT_FALSE(RecordingPeriodCovers(lastThursday, At(2024, 2, 22, 19)));
    EXPECT_TRUE(RecordingPeriodCovers(lastThursday, At(2023, 2, 23, 19)));
}

TEST(RecordingScheduleTest, AFridayNightPeriodGoesOnIntoSaturdayMorning) {
    const RecordingPeriod friday = Weekly(RecordingWeek::All, Friday, 19, 10);
    EXPECT_TRUE(RecordingPeriodCovers(friday, At(2024, 3, 9, 3)));
    EXPECT_FALSE(RecordingPeriodCovers(friday, At(2024, 3, 9, 6)));
    EXPECT_FALSE(RecordingPeriodCovers(friday, At(2024, 3, 8, 3))) << "Friday 03:00 belongs to Thursday";
}

TEST(RecordingScheduleTest, AnyCoveringPeriodStartsTheRecording) {
    const std::vector<RecordingPeriod> periods = {Daily(9, 2), Weekly(RecordingWeek::All, Friday, 18, 4)};
    EXPECT_TRUE(RecordingDue(periods, At(2024, 3, 6, 10)));
    EXPECT_TRUE(RecordingDue(periods, At(2024, 3, 8, 20)));
    EXPECT_FALSE(RecordingDue(periods, At(2024, 3, 6, 20)));
    EXPECT_FALSE(RecordingDue({}, At(2024, 3, 6, 10)));
}

}  // namespace
}  // namespace qora
