// The start-up decision whether challenged words are recorded: the program
// starts recording when one of the periods of the initialization file
// covers the moment it starts.
//
// A period is always on, daily, or on one weekday of one week of the month
// (FIRST days 1-7, SECOND 8-14, THIRD 15-21, FOURTH 22-28, FIFTH 29-31, LAST
// the last seven days of the month) or of every week, from a start hour for
// a number of hours. Each recording day runs from 06:00 to 06:00 the next
// morning: the date of a moment is the date six hours earlier, a start hour
// below 6 counts as 6 (the period then runs from 06:00 for its duration),
// and a period ends at 06:00 of the next morning at the latest.
#pragma once

#include <ctime>
#include <vector>

#include "processor/Recording.h"

namespace qora {

bool RecordingPeriodCovers(const RecordingPeriod& period, std::time_t now);
// Whether any of the periods covers `now`: the start-up value of RecordingOn.
bool RecordingDue(const std::vector<RecordingPeriod>& periods, std::time_t now);

}  // namespace qora
