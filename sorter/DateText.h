#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Which of day, month and year a date text gives first.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of the letters D, M and Y or E (either case) in a short date format
// decides; without any of them month-day-year applies.
DateOrder DateOrderOf(std::string_view shortDateFormat);

// How a date text is read: the user's short date format and separator, and the
// year that stands for "now" (dates given as day and month, two-digit years).
struct DateReading {
    std::string shortDateFormat;
    char dateSeparator = '/';
    std::int32_t currentYear = 2000;
};

// Reads a text as a calendar date and gives its day number (days counted from
// 1 January of year 1, which is day 0), so that later dates give greater
// numbers. No value when the text is not a real date of the years 1 to 9999.
std::optional<std::int32_t> ReadDateText(std::string_view text, const DateReading& reading);

// The current year by the local system clock.
std::int32_t SystemCurrentYear();
