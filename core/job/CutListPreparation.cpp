#include "core/job/CutListPreparation.h"
#include "core/plan/Refusals.h"
#include "model/GridLayout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/job/LengthReadings.h"
#include "core/notation/FloatStore.h"
#include "core/notation/LengthNotation.h"
#include "core/notation/NumberFormat.h"
#include "core/report/ReportText.h"
#include "model/Exceptions.h"
#include "model/Trim.h"

namespace {

// The last data row taking part: the prepared arrays hold kCapacity rows, so
// rows of a larger grid beyond them are never read, written or sorted.
int LastDataRow(const TStringGrid& grid) {
    return std::clamp(grid.RowCount() - 1, 0, PreparedCutList::kCapacity);
}

// Blanks out the separators people type between feet and inches, and sets
// the first sort's range end to the last row that has a length.
void CleanLengths(TStringGrid& cutList, int lastRow, TSortAStringGrid& sorter) {
    sorter.SortIndex = kLengthColumn;
    sorter.StartIndex = kFirstDataRow;
    for (int row = kFirstDataRow; row <= lastRow; ++row) {
        for (char separator : {'-', '_', '+'}) {
            cutList.SetCells(kLengthColumn, row,
                             Strip('M', separator, CutTo255(cutList.Cells(kLengthColumn, row))));
        }
        if (!cutList.Cells(kLengthColumn, row).empty()) {
            sorter.EndIndex = row;
        }
    }
}

// Moves the rows without a length below the others. The numeric comparison
// cannot read keys in hexadecimal form ("$10", "x1F") and throws; that only
// happens when every key in the range passed the whole-number test, so no
// row in the range is empty and the rows with a length already form one
// block. A sorter problem never ends the command, so the block is taken as it
// stands.
void GroupRowsWithLength(TSortAStringGrid& sorter) {
    try {
        sorter.Sort();
    } catch (const EConvertError&) {
    }
}

// "* Dec Len" holds the decimal length × 1000 as a whole number, the key of
// the second sort; a length of 0 or less leaves it empty.
void WriteDecimalLengths(TStringGrid& cutList, int lastRow, LengthReadings& lengths) {
    for (int row = kFirstDataRow; row <= lastRow; ++row) {
        cutList.SetCells(kDecLenColumn, row, std::string());
        cutList.SetCells(kSubTotalColumn, row, std::string());
        const float length = lengths.Of(cutList.Cells(kLengthColumn, row));
        if (length > 0.0f) {
            const float thousandths = StoreAsFloat(static_cast<long double>(length) * 1000.0L);
            cutList.SetCells(kDecLenColumn, row, FormatWhole(thousandths));
        }
    }
}

// Trims the quantities of the rows that have a length, an empty one becoming
// "1"; gives the last such row.
int DefaultQuantities(TStringGrid& cutList, int lastRow) {
    int usedRows = 0;
    for (int row = kFirstDataRow; row <= lastRow; ++row) {
        if (cutList.Cells(kLengthColumn, row).empty()) {
            continue;
        }
        usedRows = row;
        std::string qty = Trim(cutList.Cells(kQtyColumn, row));
        if (qty.empty()) {
            qty = "1";
        }
        cutList.SetCells(kQtyColumn, row, std::move(qty));
    }
    return usedRows;
}

// Orders the rows longest first by their "* Dec Len" keys. When a key does
// not read as a number the sorter compares the keys as texts, and that order
// ("9000" above "10000") is the program's own: the rows keep it, and the
// planners and the summary take the rows as they stand.
void SortLongestFirst(TSortAStringGrid& sorter, int usedRows) {
    sorter.StartIndex = kFirstDataRow;
    sorter.SortIndex = kDecLenColumn;
    sorter.EndIndex = usedRows;
    sorter.SortType = ToSortType::Numeric;
    sorter.Sort();
}

// Neighbouring rows whose lengths convert to the same value share a number.
void NumberItems(TStringGrid& cutList, int usedRows, LengthReadings& lengths) {
    int item = 1;
    for (int row = kFirstDataRow; row <= usedRows; ++row) {
        const float length = lengths.Of(cutList.Cells(kLengthColumn, row));
        // What follows the last used row never changes a number that is written.
        const float next =
            row < usedRows ? lengths.Of(cutList.Cells(kLengthColumn, row + 1)) : 0.0f;
        cutList.SetCells(kItemColumn, row, std::to_string(item));
        if (length != next) {
            ++item;
        }
    }
}

// A quantity is counted in whole pieces twice: the nesting places a piece
// while the quantity is above 0, and the item totals count its whole part. A
// 32-bit float holds every whole number only up to 2^24 and keeps 24 bits of
// a fraction, so a typed quantity may round to a value that means other
// pieces: 16777217 to 16777216, 2.9999999999 to 3.
bool SamePieces(long double typed, float stored) {
    const auto placed = [](long double quantity) {
        return quantity > 0.0L ? std::ceil(quantity) : 0.0L;
    };
    return std::trunc(typed) == std::trunc(static_cast<long double>(stored)) &&
           placed(typed) == placed(stored);
}

// Reads the sorted, numbered rows 1..UsedRows into the prepared cut list, the
// one reading of the grid the planners, the report and the summary share.
// Gives the rows' Qty texts, which the quantity check reads again in extended
// precision.
std::vector<std::string> ReadRows(const TStringGrid& cutList, LengthReadings& lengths,
                                  PreparedCutList& prepared) {
    std::vector<std::string> quantities;
    quantities.reserve(static_cast<std::size_t>(prepared.UsedRows));
    prepared.Rows.reserve(static_cast<std::size_t>(prepared.UsedRows));
    for (int row = kFirstDataRow; row <= prepared.UsedRows; ++row) {
        PreparedRow read;
        read.Length = cutList.Cells(kLengthColumn, row);
        read.Item = cutList.Cells(kItemColumn, row);
        read.DecLenKey = cutList.Cells(kDecLenColumn, row);
        quantities.push_back(cutList.Cells(kQtyColumn, row));
        read.Quantity = ConvertFeet(quantities.back());
        read.Decimal = lengths.Of(read.Length);
        read.Charged = StoreAsFloat(static_cast<long double>(read.Decimal) + prepared.CutWidth);
        prepared.PieceQty[row] = read.Quantity;
        prepared.PieceLen[row] = read.Charged;
        prepared.Rows.push_back(std::move(read));
    }
    return quantities;
}

// The first quantity whose 32-bit value does not mean the pieces typed:
// beyond 2^24 too large to count, below it too finely divided.
Refusal UncountedQuantity(const std::vector<std::string>& quantities,
                          const PreparedCutList& prepared) {
    constexpr long double kLargestWholeCount = 16777216.0L;  // 2^24
    for (int row = kFirstDataRow; row <= prepared.UsedRows; ++row) {
        const long double typed =
            ConvertFeetExtended(quantities[static_cast<std::size_t>(row - kFirstDataRow)]);
        if (!SamePieces(typed, prepared.PieceQty[row])) {
            return std::fabs(typed) > kLargestWholeCount ? kQuantityTooLarge : kQuantityTooPrecise;
        }
    }
    return std::nullopt;
}

}  // namespace

PreparationResult PrepareCutList(CalculationModels models, TSortAStringGrid& sorter,
                                 bool autoItemNumber, char decimalSeparator,
                                 std::optional<float> barLength) {
    TStringGrid& cutList = models.CutList;
    TStringGrid& barSettings = models.BarSettings;
    const int lastRow = LastDataRow(cutList);
    PreparationResult result;
    PreparedCutList& prepared = result.CutList;

    CleanLengths(cutList, lastRow, sorter);
    GroupRowsWithLength(sorter);

    LengthReadings lengths;
    WriteDecimalLengths(cutList, lastRow, lengths);
    prepared.UsedRows = DefaultQuantities(cutList, lastRow);

    SortLongestFirst(sorter, prepared.UsedRows);
    barSettings.SetCells(kValueColumn, kLastErrRow,
                         std::to_string(sorter.ErrorCode()) + " " + sorter.ErrorMessage());
    barSettings.SetCells(kValueColumn, kUsedRowsRow, std::to_string(prepared.UsedRows));

    if (autoItemNumber && prepared.UsedRows >= 1) {
        NumberItems(cutList, prepared.UsedRows, lengths);
    }

    prepared.BarLength =
        barLength ? *barLength : ConvertFeet(barSettings.Cells(kValueColumn, kBarLengthRow));
    prepared.CutWidth = ConvertFeet(barSettings.Cells(kValueColumn, kCutWidthRow));
    prepared.ScrapBelow = ConvertFeet(barSettings.Cells(kValueColumn, kScrapBelowRow));

    models.Report.Clear();
    models.Report.Add(BarHeading(1, decimalSeparator));

    const std::vector<std::string> quantities = ReadRows(cutList, lengths, prepared);

    // Only the first row is tested: after the sort it holds the longest piece.
    // A negative cut width would give length back with every cut, as if the
    // pieces were shorter than cut: no bar can hold such a cut.
    if (!(prepared.BarLength >= prepared.PieceLen[1]) ||
        (prepared.UsedRows >= 1 && prepared.CutWidth < 0.0f)) {
        result.Refused = kBarShorterThanPiece;
    } else if (static_cast<long double>(prepared.BarLength) * prepared.PieceLen[1] *
                   prepared.PieceQty[1] ==
               0.0L) {
        result.Refused = kNothingToCut;
    } else {
        result.Refused = UncountedQuantity(quantities, prepared);
    }
    return result;
}
