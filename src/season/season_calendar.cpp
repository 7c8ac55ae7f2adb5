#include "season/season_calendar.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "league/league.h"

namespace zt::season {

namespace chrono = std::chrono;

int scheduleDays(const League& league) {
    return static_cast<int>(league.gameScores.size());
}

Date seasonFirstDate(const League& league) {
    const auto year = static_cast<int>(league.seasonHeader.get(sh::seasonYear) & 0xFFFF);
    return Date{chrono::year{year}, chrono::April, chrono::day{1}};
}

Date dateOfDay(const League& league, int day) {
    return Date{chrono::sys_days{seasonFirstDate(league)} + chrono::days{day - 1}};
}

int dayOfDate(const League& league, const Date& date) {
    return static_cast<int>((chrono::sys_days{date} - chrono::sys_days{seasonFirstDate(league)}).count()) + 1;
}

int limitDay(int day, int days) {
    return std::clamp(day, 1, std::max(days, 1));
}

std::string shortDateText(const Date& date) {
    return std::to_string(static_cast<unsigned>(date.month())) + "/" +
           std::to_string(static_cast<unsigned>(date.day())) + "/" + std::to_string(static_cast<int>(date.year()));
}

std::optional<Date> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + from;
        const auto result = std::from_chars(first, first + length, value);
        if (result.ec != std::errc() || result.ptr != first + length) {
            return std::nullopt;
        }
        return value;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const Date date{
        chrono::year{*year}, chrono::month{static_cast<unsigned>(*month)}, chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

std::string isoDateText(const Date& date) {
    char text[16];
    std::snprintf(text,
                  sizeof text,
                  "%04d-%02u-%02u",
                  static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace zt::season
