#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sorter/SorterFixture.h"

namespace {

using Keys = std::vector<std::string>;
using Order = std::vector<int>;

constexpr auto kAsc = SortDirType::Ascending;
constexpr auto kDesc = SortDirType::Descending;
constexpr auto kNum = ToSortType::Numeric;
constexpr auto kChar = ToSortType::Character;

struct OrderCase {
    const char* name;
    Keys keys;
    ToSortType type;
    bool caseSensitive;
    SortDirType direction;
    Order expected;  // original row of each of rows 1..n after the sort
    int code;
};

// The orders of equal keys are exact: callers sort twice and rely on them.
const OrderCase kOrderCases[] = {
    {"NumericDescendingWithTies",
     {"30000", "12500", "30000", "48000", "12500"},
     kNum,
     false,
     kDesc,
     {4, 1, 3, 5, 2},
     0},
    {"NumericTwoEqualAscending", {"7", "7"}, kNum, false, kAsc, {2, 1}, 0},
    {"NumericTwoEqualDescending", {"7", "7"}, kNum, false, kDesc, {1, 2}, 0},
    {"NumericThreeEqualAscending", {"7", "7", "7"}, kNum, false, kAsc, {3, 2, 1}, 0},
    {"NumericThreeEqualDescending", {"7", "7", "7"}, kNum, false, kDesc, {1, 2, 3}, 0},
    {"NumericFourEqualAscending", {"7", "7", "7", "7"}, kNum, false, kAsc, {3, 4, 1, 2}, 0},
    {"NumericFourEqualDescending", {"7", "7", "7", "7"}, kNum, false, kDesc, {2, 1, 4, 3}, 0},
    {"NumericByValue", {"10", "9", "100"}, kNum, false, kDesc, {3, 1, 2}, 0},
    {"CharacterByBytes", {"10", "9", "100"}, kChar, false, kDesc, {2, 3, 1}, 0},
    {"NumericSevenDescending",
     {"5", "3", "5", "1", "3", "5", "2"},
     kNum,
     false,
     kDesc,
     {1, 3, 6, 2, 5, 7, 4},
     0},
    {"NumericSevenAscending",
     {"5", "3", "5", "1", "3", "5", "2"},
     kNum,
     false,
     kAsc,
     {4, 7, 5, 2, 6, 3, 1},
     0},
    {"CharacterSixAscending",
     {"x", "y", "x", "y", "x", "y"},
     kChar,
     false,
     kAsc,
     {5, 3, 1, 2, 4, 6},
     0},
    {"CharacterSixDescending",
     {"x", "y", "x", "y", "x", "y"},
     kChar,
     false,
     kDesc,
     {6, 4, 2, 1, 3, 5},
     0},
    {"CharacterIgnoringCase", {"b", "A", "a", "B"}, kChar, false, kAsc, {2, 3, 1, 4}, 0},
    {"CharacterTellingCase", {"b", "A", "a", "B"}, kChar, true, kAsc, {2, 4, 3, 1}, 0},
    {"CharacterSevenEqualAscending", Keys(7, "k"), kChar, false, kAsc, {7, 6, 5, 4, 3, 2, 1}, 0},
    {"CharacterSevenEqualDescending", Keys(7, "k"), kChar, false, kDesc, {1, 2, 3, 4, 5, 6, 7}, 0},
    // Whole numbers with spaces before them and signs still compare as numbers.
    {"NumericSignsAndLeadingSpaces",
     {"  -12", "+3", "007", "-2147483648", "2147483647"},
     kNum,
     false,
     kAsc,
     {4, 1, 2, 3, 5},
     0},
    {"NumericCaseSensitiveWarns", {"20", "3", "100"}, kNum, true, kAsc, {2, 1, 3}, -3},
    {"NumericEmptyKeyFallsBack", {"20", "", "3"}, kNum, false, kAsc, {2, 1, 3}, -1},
    {"NumericFractionFallsBack", {"20", "2.5", "3"}, kNum, false, kAsc, {2, 1, 3}, -1},
    // The fallback compares the texts unchanged when case matters.
    {"NonNumericFirstTellsCase", {"b", "10", "B", "9"}, kNum, true, kAsc, {2, 4, 3, 1}, -1},
    {"NonNumericLastTellsCase", {"10", "b", "9", "B"}, kNum, true, kAsc, {1, 3, 4, 2}, -1},
    {"NonNumericIgnoringCase", {"10", "b", "9", "B"}, kNum, false, kAsc, {1, 3, 2, 4}, -1},
    // Bytes above 127 sort after ASCII, unchanged by the upper-casing.
    {"CharacterHighBytes", {"\xe9", "z", "\xc9", "A"}, kChar, false, kAsc, {4, 2, 3, 1}, 0},
    {"CharacterPrefixFirst", {"abc", "ab", "", "a"}, kChar, false, kAsc, {3, 4, 2, 1}, 0},
    {"CharacterLargeRange",
     {"d", "b", "f", "a", "c", "e", "g", "b"},
     kChar,
     true,
     kAsc,
     {4, 2, 8, 5, 1, 6, 3, 7},
     0},
};

class RowSortOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(RowSortOrder, RearrangesWholeRowsInExactOrder) {
    const OrderCase& c = GetParam();
    SorterFixture f(c.keys);
    f.sorter.SortType = c.type;
    f.sorter.CaseSensitiv = c.caseSensitive;
    f.sorter.SortDirection = c.direction;
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.Order(), c.expected);
    EXPECT_EQ(f.sorter.ErrorCode(), c.code);
    EXPECT_TRUE(f.RowsIntact(c.keys));
}

INSTANTIATE_TEST_SUITE_P(Sorter, RowSortOrder, testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
