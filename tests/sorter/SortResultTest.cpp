#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Exceptions.h"
#include "tests/sorter/SorterFixture.h"

namespace {

using Keys = std::vector<std::string>;

TEST(SortResult, ConstructionGivesTheDefaults) {
    TComponent owner;
    TSortAStringGrid sorter(&owner);
    EXPECT_EQ(sorter.GridToSort, nullptr);
    EXPECT_EQ(sorter.StartIndex, 0);
    EXPECT_EQ(sorter.EndIndex, 0);
    EXPECT_EQ(sorter.SortIndex, 0);
    EXPECT_EQ(sorter.SortType, ToSortType::Character);
    EXPECT_FALSE(sorter.CaseSensitiv);
    EXPECT_EQ(sorter.SortDirection, SortDirType::Ascending);
    EXPECT_EQ(sorter.HowToSort, SortType::Row);
    EXPECT_FALSE(sorter.ShowMessageOnError);
    EXPECT_EQ(sorter.ErrorCode(), 0);
    EXPECT_EQ(sorter.ErrorMessage(), "");
    EXPECT_EQ(sorter.Owner(), &owner);
}

TEST(SortResult, EnumerationsKeepTheirOrdinals) {
    EXPECT_EQ(static_cast<int>(ToSortType::Character), 0);
    EXPECT_EQ(static_cast<int>(ToSortType::Numeric), 1);
    EXPECT_EQ(static_cast<int>(ToSortType::Datee), 2);
    EXPECT_EQ(static_cast<int>(SortDirType::Ascending), 0);
    EXPECT_EQ(static_cast<int>(SortDirType::Descending), 1);
    EXPECT_EQ(static_cast<int>(SortType::Column), 0);
    EXPECT_EQ(static_cast<int>(SortType::Row), 1);
}

struct RefusalCase {
    const char* name;
    bool withGrid;
    int start;
    int end;
    int sortIndex;
    int code;
    const char* message;
};

// The grid has 3 columns and 7 rows (keys in rows 1 to 5).
const RefusalCase kRefusals[] = {
    {"NoGrid", false, 1, 5, 1, 1, "No StringGrid given"},
    {"OneRowRange", true, 3, 3, 1, 2, "StartIndex is greater or equal to EndIndex"},
    {"ReversedRange", true, 4, 2, 1, 2, "StartIndex is greater or equal to EndIndex"},
    {"NegativeStart", true, -5, 3, 1, 3, "StartIndex is less then 0"},
    {"RangeCheckedBeforeSign", true, -2, -3, 1, 2, "StartIndex is greater or equal to EndIndex"},
    {"StartPastLastRow", true, 7, 9, 1, 4,
     "StartIndex is greater then number of rows/columns in StringGrid"},
    {"EndAtRowCount", true, 1, 7, 1, 5,
     "EndIndex is greater then number of rows/columns in StringGrid"},
    {"EndFarBeyond", true, 1, 2147483647, 1, 5,
     "EndIndex is greater then number of rows/columns in StringGrid"},
    {"NegativeSortIndex", true, 1, 5, -1, 6, "Sort Index is less then 0"},
    {"SortIndexAtColumnCount", true, 1, 5, 3, 7,
     "Sort Index is greater then number of rows/columns in StringGrid"},
    {"SortIndexHuge", true, 1, 6, 2147483647, 7,
     "Sort Index is greater then number of rows/columns in StringGrid"},
};

class SortRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(SortRefusal, LeavesGridAndSortTypeAlone) {
    const RefusalCase& c = GetParam();
    const Keys keys{"5", "x", "3", "1", "4"};
    for (bool show : {false, true}) {
        SorterFixture f(keys);
        if (!c.withGrid) {
            f.sorter.GridToSort = nullptr;
        }
        f.sorter.StartIndex = c.start;
        f.sorter.EndIndex = c.end;
        f.sorter.SortIndex = c.sortIndex;
        f.sorter.SortType = ToSortType::Numeric;
        f.sorter.ShowMessageOnError = show;
        const auto before = f.grid->Revision();
        EXPECT_FALSE(f.sorter.Sort());
        EXPECT_EQ(f.sorter.ErrorCode(), c.code);
        EXPECT_EQ(f.sorter.ErrorMessage(), c.message);
        EXPECT_EQ(f.grid->Revision(), before);
        EXPECT_EQ(f.sorter.SortType, ToSortType::Numeric);
        EXPECT_TRUE(f.boxes.warnings.empty());
        if (show) {
            EXPECT_EQ(f.boxes.errors, std::vector<std::string>{c.message});
        } else {
            EXPECT_TRUE(f.boxes.errors.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sorter, SortRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortResult, LastRowIsAcceptedAsEnd) {
    SorterFixture f({"2", "1"});
    f.sorter.EndIndex = f.grid->RowCount() - 1;  // the trailing row, key ""
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), 0);
    EXPECT_EQ(f.grid->Cells(1, 1), "");
    EXPECT_EQ(f.grid->Cells(1, 2), "1");
    EXPECT_EQ(f.grid->Cells(1, 3), "2");
}

struct WarningCase {
    const char* name;
    ToSortType type;
    bool caseSensitive;
    Keys keys;
    int code;
    const char* message;
    ToSortType typeAfter;
};

const WarningCase kWarnings[] = {
    {"CharacterOk", ToSortType::Character, true, {"b", "a"}, 0, "Ok", ToSortType::Character},
    {"NumericOk", ToSortType::Numeric, false, {"2", "1"}, 0, "Ok", ToSortType::Numeric},
    {"NumericCase",
     ToSortType::Numeric,
     true,
     {"2", "1"},
     -3,
     "Case Sensitivity ignored for Numeical Sort.",
     ToSortType::Numeric},
    {"NumericFallback",
     ToSortType::Numeric,
     true,
     {"2", "1 "},
     -1,
     "Column/Row contains non-numerical values for numeric sort. Sorted as Character.",
     ToSortType::Character},
    {"DateOk", ToSortType::Datee, false, {"2/1/2020", "1/1/2020"}, 0, "Ok", ToSortType::Datee},
    {"DateCase",
     ToSortType::Datee,
     true,
     {"2/1/2020", "1/1/2020"},
     -4,
     "Case Sensitivity ignored for Date Sort.",
     ToSortType::Datee},
    {"DateFallback",
     ToSortType::Datee,
     true,
     {"tomorrow", "2/1/2020"},
     -2,
     "Column/Row contains non-date values for date sort. Sorted as Character.",
     ToSortType::Character},
};

class SortWarning : public testing::TestWithParam<WarningCase> {};

TEST_P(SortWarning, SortsThenReportsOnlyWhenAsked) {
    const WarningCase& c = GetParam();
    for (bool show : {false, true}) {
        SorterFixture f(c.keys);
        f.sorter.SortType = c.type;
        f.sorter.CaseSensitiv = c.caseSensitive;
        f.sorter.ShowMessageOnError = show;
        EXPECT_TRUE(f.sorter.Sort());
        EXPECT_EQ(f.sorter.ErrorCode(), c.code);
        EXPECT_EQ(f.sorter.ErrorMessage(), c.message);
        EXPECT_EQ(f.sorter.SortType, c.typeAfter);
        EXPECT_EQ(f.Order(), (std::vector<int>{2, 1}));
        EXPECT_TRUE(f.boxes.errors.empty());
        if (show && c.code < 0) {
            EXPECT_EQ(f.boxes.warnings, std::vector<std::string>{c.message});
        } else {
            EXPECT_TRUE(f.boxes.warnings.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sorter, SortWarning, testing::ValuesIn(kWarnings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortResult, BoxesNeedSomewhereToGo) {
    SorterFixture f({"1", "x"});
    f.sorter.SortType = ToSortType::Numeric;
    f.sorter.ShowMessageOnError = true;
    f.sorter.MessageBoxes = nullptr;
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), -1);
    f.sorter.GridToSort = nullptr;
    EXPECT_FALSE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), 1);
}

TEST(SortResult, FallbackToCharacterStaysForTheNextSort) {
    const Keys keys{"10", "", "9", "100"};
    SorterFixture f(keys);
    f.sorter.SortType = ToSortType::Numeric;
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), -1);
    EXPECT_EQ(f.sorter.SortType, ToSortType::Character);
    EXPECT_EQ(f.Order(), (std::vector<int>{2, 1, 4, 3}));
    // All keys are whole numbers now, yet the remembered character sort keeps
    // byte order (a numeric one would give 3, 1, 4, 2).
    f.grid->SetCells(1, 1, "1000");
    EXPECT_TRUE(f.sorter.Sort());
    EXPECT_EQ(f.sorter.ErrorCode(), 0);
    EXPECT_EQ(f.sorter.ErrorMessage(), "Ok");
    EXPECT_EQ(f.Order(), (std::vector<int>{1, 4, 2, 3}));
}

struct HexCase {
    const char* name;
    Keys keys;
    bool caseSensitive;
    const char* what;
    int code;
};

const HexCase kHexKeys[] = {
    {"Dollar", {"5", "$1F", "3"}, false, "'$1F' is not a valid floating point value", 0},
    {"ZeroX", {"0x10", "2"}, false, "'0x10' is not a valid floating point value", 0},
    {"LeadingSpaces",
     {"1", "2", "  Xff", "4"},
     true,
     "'  Xff' is not a valid floating point value",
     -3},
};

class HexKey : public testing::TestWithParam<HexCase> {};

// Such a key passes the whole-number test but not the numeric reading; the
// failure leaves the grid as it was.
TEST_P(HexKey, RaisesConvertErrorAndLeavesGrid) {
    const HexCase& c = GetParam();
    SorterFixture f(c.keys);
    f.sorter.SortType = ToSortType::Numeric;
    f.sorter.CaseSensitiv = c.caseSensitive;
    f.sorter.ShowMessageOnError = true;
    const auto before = f.grid->Revision();
    try {
        f.sorter.Sort();
        ADD_FAILURE() << "no EConvertError";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), c.what);
    }
    EXPECT_EQ(f.grid->Revision(), before);
    EXPECT_EQ(f.sorter.ErrorCode(), c.code);
    EXPECT_EQ(f.sorter.ErrorMessage(),
              c.code == 0 ? "Ok" : "Case Sensitivity ignored for Numeical Sort.");
    EXPECT_EQ(f.sorter.SortType, ToSortType::Numeric);
    EXPECT_TRUE(f.boxes.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(Sorter, HexKey, testing::ValuesIn(kHexKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortResult, DestroyedGridIsForgotten) {
    TComponent owner;
    TSortAStringGrid sorter(&owner);
    auto* sibling = new TStringGrid(&owner, 2, 3);
    auto* grid = new TStringGrid(&owner, 2, 3);
    sorter.GridToSort = grid;
    sorter.EndIndex = 2;
    delete sibling;
    EXPECT_EQ(sorter.GridToSort, grid);
    EXPECT_TRUE(sorter.Sort());
    delete grid;
    EXPECT_EQ(sorter.GridToSort, nullptr);
    EXPECT_FALSE(sorter.Sort());
    EXPECT_EQ(sorter.ErrorCode(), 1);
    EXPECT_EQ(sorter.ErrorMessage(), "No StringGrid given");
}

}  // namespace
