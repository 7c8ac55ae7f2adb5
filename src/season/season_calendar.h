#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zt {
class League;
}

namespace zt::season {

// The schedule's days as dates: day 1 (scores record 0) is April 1 of the season's year (the
// low 16 bits of seasonYear), each further day the next date.
using Date = std::chrono::year_month_day;

// Number of days of the schedule (records of scores.zt).
int scheduleDays(const League& league);
Date seasonFirstDate(const League& league);
// The date of day d (1-based); any d, the calendar's last date is day N + 1.
Date dateOfDay(const League& league, int day);
// The day number of a date, not limited to the schedule.
int dayOfDate(const League& league, const Date& date);
// A day number limited to 1 .. N (1 when there are no days).
int limitDay(int day, int days);

// The short date of the pages, month/day/year without leading zeros: 4/1/2003.
std::string shortDateText(const Date& date);
// YYYY-MM-DD, as the command-line tool takes dates; none for any other text or no such date.
std::optional<Date> parseIsoDate(std::string_view text);
std::string isoDateText(const Date& date);

}  // namespace zt::season
