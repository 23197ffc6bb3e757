// A moment given as local calendar time, summer time decided by the system.
#pragma once

#include <ctime>

namespace qora::test {

inline std::time_t LocalTime(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

}  // namespace qora::test
