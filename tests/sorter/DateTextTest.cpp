#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "sorter/DateText.h"

namespace {

struct DateCase {
    const char* format;
    char separator;
    std::int32_t currentYear;
    const char* text;
    std::optional<std::int32_t> day;  // days since 1 January of year 1
};

const DateCase kDates[] = {
    {"dd/MM/yyyy", '/', 2026, "31/12/2020", 737789},
    {"dd/MM/yyyy", '/', 2026, "01/01/2021", 737790},
    {"dd/MM/yyyy", '/', 2026, "15/06/2020", 737590},
    // Leap years by the Gregorian rule.
    {"dd/MM/yyyy", '/', 2026, "29/02/2020", 737483},
    {"dd/MM/yyyy", '/', 2026, "29/02/2000", 730178},
    {"dd/MM/yyyy", '/', 2026, "29/02/2019", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "29/02/1900", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "31/02/2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "31/04/2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "30/04/2020", 737544},
    // Day and month only: the current year.
    {"dd/MM/yyyy", '/', 2026, "5/6", 739771},
    {"dd/MM/yyyy", '/', 2026, "5/6/", 739771},
    {"dd/MM/yyyy", '/', 2024, "29/2", 738944},
    {"dd/MM/yyyy", '/', 2026, "29/2", std::nullopt},
    {"dd/MM/yyyy", '/', 10000, "1/1", std::nullopt},
    // Blanks before numbers and separators, one separator and blanks after.
    {"dd/MM/yyyy", '/', 2026, " 5 / 6 / 2020 / ", 737580},
    {"dd/MM/yyyy", '/', 2026, "1/1/2020/", 737424},
    {"dd/MM/yyyy", '/', 2026, "1/1/2020//", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "5/6/2020 12:00", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "5/6/2020x", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "1/1/2020\t", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "   ", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "5", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "5/", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "/5/6", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "5-6-2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "\xff/1/2020", std::nullopt},
    // Two-digit years fall in 1976..2075 when the current year is 2026.
    {"dd/MM/yyyy", '/', 2026, "1/1/75", 757513},
    {"dd/MM/yyyy", '/', 2026, "1/1/76", 721353},
    {"dd/MM/yyyy", '/', 2026, "1/1/00", 730119},
    {"dd/MM/yyyy", '/', 2026, "1/1/99", 729754},
    {"dd/MM/yyyy", '/', 2026, "1/1/5", 731946},
    {"dd/MM/yyyy", '/', 2000, "1/1/49", 748017},
    {"dd/MM/yyyy", '/', 2000, "1/1/50", 711857},
    {"dd/MM/yyyy", '/', 2050, "1/1/00", 730119},
    {"dd/MM/yyyy", '/', 2050, "1/1/99", 766279},
    {"dd/MM/yyyy", '/', 10, "1/1/59", 21184},
    {"dd/MM/yyyy", '/', 10, "1/1/60", std::nullopt},
    // Three or more digit characters: the year as written.
    {"dd/MM/yyyy", '/', 2026, "1/1/005", 1461},
    {"dd/MM/yyyy", '/', 2026, "1/1/0075", 27028},
    {"dd/MM/yyyy", '/', 2026, "1/1/0001", 0},
    {"dd/MM/yyyy", '/', 2026, "31/12/9999", 3652058},
    {"dd/MM/yyyy", '/', 2026, "1/1/0000", std::nullopt},
    // A number stops at 1000: leading zeros are fine, a fifth digit is not.
    {"dd/MM/yyyy", '/', 2026, "1/1/10000", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "00001/1/2020", 737424},
    {"dd/MM/yyyy", '/', 2026, "12345/1/2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "0/1/2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "1/13/2020", std::nullopt},
    {"dd/MM/yyyy", '/', 2026, "1/0/2020", std::nullopt},
    // Other date orders.
    {"MM/dd/yyyy", '/', 2026, "12/31/2020", 737789},
    {"MM/dd/yyyy", '/', 2026, "31/12/2020", std::nullopt},
    {"MM/dd/yyyy", '/', 2026, "5/6", 739741},
    {"mm/dd/yy", '/', 2026, "5/6/07", 732801},
    {"", '/', 2026, "5/6/2020", 737550},
    {"yyyy-MM-dd", '-', 2026, "2020-12-31", 737789},
    {"yyyy-MM-dd", '-', 2026, "31-12-2020", std::nullopt},
    {"yyyy-MM-dd", '-', 2026, "99-12-31", 730118},
    {"yyyy-MM-dd", '-', 2026, "12-31", 739980},
    {"d.M.yy", '.', 2026, "5.6.20", 737580},
    // Era formats read the years of the Gregorian era.
    {"eeee/MM/dd", '/', 2026, "2020/1/2", 737425},
    {"ggee/MM/dd", '/', 2026, "A.D. 2020/1/2", 737425},
    {"yyyy/MM/dd", '/', 2026, "A.D. 2020/1/2", std::nullopt},
    // A blank separator is a run of blanks.
    {"dd MM yyyy", ' ', 2026, "05 06 2020", 737580},
    {"dd MM yyyy", ' ', 2026, "  05  06   2020 ", 737580},
    {"dd MM yyyy", ' ', 2026, "0506 2020", std::nullopt},
};

class DateText : public testing::TestWithParam<DateCase> {};

TEST_P(DateText, ReadsRealCalendarDatesOnly) {
    const DateCase& c = GetParam();
    ShortDateSettings dates;
    dates.ShortDateFormat = c.format;
    dates.DateSeparator = c.separator;
    EXPECT_EQ(ReadDateText(c.text, dates, c.currentYear), c.day)
        << '"' << c.text << "\" as " << c.format;
}

INSTANTIATE_TEST_SUITE_P(Sorter, DateText, testing::ValuesIn(kDates));

struct OrderCase {
    const char* format;
    DateOrder order;
};

const OrderCase kOrders[] = {
    {"dd/MM/yyyy", DateOrder::DayMonthYear}, {"D.M.Y", DateOrder::DayMonthYear},
    {"MM/dd/yyyy", DateOrder::MonthDayYear}, {"m-d-y", DateOrder::MonthDayYear},
    {"yyyy-MM-dd", DateOrder::YearMonthDay}, {"YY/MM/DD", DateOrder::YearMonthDay},
    {"ee/MM/dd", DateOrder::YearMonthDay},   {"gg Ee/M/d", DateOrder::YearMonthDay},
    {"", DateOrder::MonthDayYear},           {"/-.", DateOrder::MonthDayYear},
};

class DateOrderOfFormat : public testing::TestWithParam<OrderCase> {};

TEST_P(DateOrderOfFormat, FirstDateLetterDecides) {
    EXPECT_EQ(DateOrderOf(GetParam().format), GetParam().order) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(Sorter, DateOrderOfFormat, testing::ValuesIn(kOrders));

}  // namespace
