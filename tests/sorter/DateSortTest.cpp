#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sorter/DateText.h"
#include "tests/sorter/SorterFixture.h"

namespace {

using Keys = std::vector<std::string>;

struct DateSortCase {
    const char* name;
    Keys keys;
    bool caseSensitive;
    SortDirType direction;
    std::vector<int> expected;
    int code;
    ToSortType typeAfter;
};

constexpr auto kAsc = SortDirType::Ascending;
constexpr auto kDesc = SortDirType::Descending;

// Day-month-year with "/" and the current year 2026.
const DateSortCase kDateSorts[] = {
    {"Ascending",
     {"31/12/2020", "01/01/2021", "15/06/2020"},
     false,
     kAsc,
     {3, 1, 2},
     0,
     ToSortType::Datee},
    {"Descending",
     {"31/12/2020", "01/01/2021", "15/06/2020"},
     false,
     kDesc,
     {2, 1, 3},
     0,
     ToSortType::Datee},
    {"DayAndMonthInCurrentYear",
     {"5/6", "1/1/2026", "1/7/2026"},
     false,
     kAsc,
     {2, 1, 3},
     0,
     ToSortType::Datee},
    {"TwoDigitYearsInWindow",
     {"1/1/75", "1/1/76", "1/1/2000"},
     false,
     kAsc,
     {2, 3, 1},
     0,
     ToSortType::Datee},
    // Dates partition down to single entries: three equal keys come out
    // reversed, where the character sort would keep them.
    {"EqualDatesReverse",
     {"1/1/2020", "01/01/2020", "1/1/2020"},
     false,
     kAsc,
     {3, 2, 1},
     0,
     ToSortType::Datee},
    {"CaseSensitiveWarns",
     {"31/12/2020", "01/01/2021", "15/06/2020"},
     true,
     kAsc,
     {3, 1, 2},
     -4,
     ToSortType::Datee},
    {"ImpossibleDate",
     {"31/12/2020", "31/02/2020", "15/06/2020"},
     false,
     kAsc,
     {3, 2, 1},
     -2,
     ToSortType::Character},
    {"EmptyKey",
     {"31/12/2020", "", "15/06/2020"},
     false,
     kAsc,
     {2, 3, 1},
     -2,
     ToSortType::Character},
    {"TimeOfDay",
     {"31/12/2020 10:00", "01/01/2021", "15/06/2020"},
     false,
     kAsc,
     {2, 3, 1},
     -2,
     ToSortType::Character},
    {"NonDateTellsCase", {"b", "1/1/2020", "B"}, true, kAsc, {2, 3, 1}, -2, ToSortType::Character},
    {"NonDateIgnoresCase",
     {"b", "1/1/2020", "B"},
     false,
     kAsc,
     {2, 1, 3},
     -2,
     ToSortType::Character},
};

class DateSort : public testing::TestWithParam<DateSortCase> {};

TEST_P(DateSort, SortsChronologicallyOrFallsBack) {
    const DateSortCase& c = GetParam();
    SorterFixture f(c.keys);
    f.sorter.SortType = ToSortType::Datee;
    f.sorter.DateSettings = {"dd/MM/yyyy", '/', 2026};
    f.sorter.CaseSensitiv = c.caseSensitive;
    f.sorter.SortDirection = c.direction;
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.Order(), c.expected);
    EXPECT_EQ(f.sorter.ErrorCode(), c.code);
    EXPECT_EQ(f.sorter.SortType, c.typeAfter);
    EXPECT_TRUE(f.RowsIntact(c.keys));
}

INSTANTIATE_TEST_SUITE_P(Sorter, DateSort, testing::ValuesIn(kDateSorts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DateSort, YearZeroMeansTheSystemYear) {
    const std::string year = std::to_string(SystemCurrentYear());
    const Keys keys{"6/6/" + year, "5/6", "4/6/" + year};
    SorterFixture f(keys);
    f.sorter.SortType = ToSortType::Datee;
    f.sorter.DateSettings = {"dd/MM/yyyy", '/', 0};
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), 0);
    EXPECT_EQ(f.Order(), (std::vector<int>{3, 2, 1}));
}

TEST(DateSort, FollowsTheShortDateFormat) {
    const Keys keys{"2020-12-31", "2021-01-01", "2020-06-15"};
    SorterFixture f(keys);
    f.sorter.SortType = ToSortType::Datee;
    f.sorter.DateSettings = {"yyyy-MM-dd", '-', 2026};
    f.sorter.SortDirection = SortDirType::Descending;
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), 0);
    EXPECT_EQ(f.Order(), (std::vector<int>{2, 1, 3}));
}

}  // namespace
