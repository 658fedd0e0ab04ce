#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/RegionalSettings.h"

// Which of day, month and year a date text gives first.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of the letters D, M and Y or E (either case) in a short date format
// decides; without any of them month-day-year applies.
DateOrder DateOrderOf(std::string_view shortDateFormat);

// Reads a text as a calendar date written in the user's short date format and
// separator, and gives its day number (days counted from 1 January of year 1,
// which is day 0), so that later dates give greater numbers. The current year
// stands for "now" in dates given as day and month and in two-digit years. No
// value when the text is not a real date of the years 1 to 9999.
std::optional<std::int32_t> ReadDateText(std::string_view text, const ShortDateSettings& dates,
                                         std::int32_t currentYear);

// The current year by the local system clock.
std::int32_t SystemCurrentYear();
