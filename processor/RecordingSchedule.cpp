#include "processor/RecordingSchedule.h"

#include <algorithm>

namespace qora {

namespace {

constexpr int DayStartHour = 6;                // a recording day starts at 06:00
constexpr int DayEndHour = 24 + DayStartHour;  // and ends at 06:00 next morning
constexpr int DaysInWeek = 7;

int DaysInMonth(int year, int month) {  // month 0..11, year as in std::tm
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int fullYear = year + 1900;
    const bool leap = (fullYear % 4 == 0 && fullYear % 100 != 0) || fullYear % 400 == 0;
    return month == 1 && leap ? 29 : days[month];
}

bool DayMatches(const RecordingPeriod& period, const std::tm& day) {
    switch (period.Week) {
        case RecordingWeek::Always:
        case RecordingWeek::Daily: return true;
        default: break;
    }
    if (day.tm_wday != period.Weekday) return false;
    switch (period.Week) {
        case RecordingWeek::All: return true;
        case RecordingWeek::Last: return day.tm_mday + DaysInWeek > DaysInMonth(day.tm_year, day.tm_mon);
        default: {
            const int week = static_cast<int>(period.Week) - static_cast<int>(RecordingWeek::First);
            return (day.tm_mday - 1) / DaysInWeek == week;
        }
    }
}

}  // namespace

bool RecordingPeriodCovers(const RecordingPeriod& period, std::time_t now) {
    if (period.Week == RecordingWeek::Always) return true;
    const std::tm day = RecordingDayTime(now);
    if (!DayMatches(period, day)) return false;
    // Minutes since the recording day's midnight: 06:00 is 360, 05:59 of the
    // next morning 1799.
    const int minute = (day.tm_hour + DayStartHour) * 60 + day.tm_min;
    const int start = std::max(period.StartHour, DayStartHour);
    const int end = std::min(start + period.DurationHours, DayEndHour);
    return minute >= start * 60 && minute < end * 60;
}

bool RecordingDue(const std::vector<RecordingPeriod>& periods, std::time_t now) {
    return std::any_of(periods.begin(), periods.end(),
                       [now](const RecordingPeriod& period) { return RecordingPeriodCovers(period, now); });
}

}  // namespace qora
