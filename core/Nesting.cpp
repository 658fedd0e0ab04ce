#include "core/Nesting.h"
#include "model/GridLayout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "core/FirstFitIndex.h"
#include "core/NumberFormat.h"
#include "core/ReportText.h"
#include "model/Exceptions.h"

namespace {

// Every step of the length arithmetic is rounded to 32 bits and stored before
// the next comparison; leaving the 32-bit range is the platform's overflow.
float StoredDifference(float minuend, float subtrahend) {
    const float difference = minuend - subtrahend;
    if (std::isinf(difference)) {
        throw EOverflow();
    }
    if (std::isnan(difference)) {
        throw EInvalidOp();
    }
    return difference;
}

float StoredSum(float augend, float addend) {
    const float sum = augend + addend;
    if (std::isinf(sum)) {
        throw EOverflow();
    }
    return sum;
}

// Beyond 2^24 a 32-bit float no longer holds every whole number, so a count
// that large could not be taken down one piece at a time; at 2^25 subtracting
// one leaves it unchanged and the passes would never end. The cap applies to
// the whole job, which also bounds the report's size and the memory it needs.
constexpr double kMostPiecesPerJob = 16777216.0;

// A job the bar passes could never finish or report: a row whose piece fits no
// empty bar would be skipped by every new bar, and a job of more pieces than a
// 32-bit count can take down one by one.
const char* UnfinishableRows(const PreparedCutList& cutList, int usedRows) {
    double pieces = 0.0;
    for (int row = 1; row <= usedRows; ++row) {
        const float quantity = cutList.PieceQty[row];
        if (!(quantity > 0.0f)) {
            continue;
        }
        if (!(cutList.BarLength >= cutList.PieceLen[row])) {
            return kBarShorterThanPiece;
        }
        // A fractional quantity still places a piece for its fraction.
        pieces += std::ceil(static_cast<double>(quantity));
    }
    return pieces > kMostPiecesPerJob ? kQuantityTooLarge : nullptr;
}

class BarPacker {
  public:
    BarPacker(PreparedCutList& cutList, int usedRows, const TStringGrid& grid,
              const NestingOptions& options, ReportLines& report)
        : cutList_(cutList),
          usedRows_(usedRows),
          grid_(grid),
          options_(options),
          report_(report),
          cutLines_(static_cast<std::size_t>(usedRows) + 1),
          liveRows_(ChargedLengths()) {
        for (int row = 1; row <= usedRows_; ++row) {
            if (cutList_.PieceQty[row] > 0.0f) {
                ++liveRowCount_;
            } else {
                liveRows_.Remove(static_cast<std::size_t>(row - 1));
            }
        }
    }

    NestingResult Run() {
        barLeft_ = cutList_.BarLength;
        while (true) {
            if (!FillBar()) {
                result_.refused = true;
                result_.refusal = kMissingItemNumber;
                return result_;
            }
            if (liveRowCount_ == 0) {
                break;
            }
            ++result_.BarNumber;
            CloseBar();
            report_.Add(kBlankLine);
            report_.Add(BarHeading(result_.BarNumber, options_.DecimalSeparator));
            report_.Add(kBlankLine);
            barLeft_ = cutList_.BarLength;
        }
        CloseBar();
        report_.Add(kBlankLine);
        report_.Add(kBlankLine);
        return result_;
    }

  private:
    std::vector<float> ChargedLengths() const {
        return std::vector<float>(cutList_.PieceLen.begin() + 1,
                                  cutList_.PieceLen.begin() + 1 + usedRows_);
    }

    // One pass over the rows, longest first: each row gives the open bar as
    // many pieces as still fit. Rows that do not fit are skipped through the
    // index; visiting them would change nothing.
    bool FillBar() {
        std::size_t position = liveRows_.FindFirstFitting(0, barLeft_);
        while (position != FirstFitIndex::npos) {
            const int row = static_cast<int>(position) + 1;
            if (Fits(row) && !PlaceFromRow(row)) {
                return false;
            }
            position = liveRows_.FindFirstFitting(position + 1, barLeft_);
        }
        return true;
    }

    bool Fits(int row) const {
        return cutList_.PieceQty[row] > 0.0f && barLeft_ >= cutList_.PieceLen[row];
    }

    bool PlaceFromRow(int row) {
        const std::string& item = grid_.Cells(kItemColumn, row);
        if (options_.ShortReport && item.empty()) {
            return false;
        }
        float& quantity = cutList_.PieceQty[row];
        const float length = cutList_.PieceLen[row];
        // The longest row of the Alternate Method gives one piece per bar so
        // its pieces spread over as many bars as they last.
        const bool onePiecePerBar = options_.AlternateMethod && row == 1;
        std::int64_t placed = 0;
        do {
            barLeft_ = StoredDifference(barLeft_, length);
            quantity = quantity - 1.0f;
            ++placed;
        } while (!onePiecePerBar && Fits(row));

        if (!(quantity > 0.0f)) {
            liveRows_.Remove(static_cast<std::size_t>(row - 1));
            --liveRowCount_;
        }
        WriteCutLines(row, item, placed);
        return true;
    }

    void WriteCutLines(int row, const std::string& item, std::int64_t placed) {
        if (!options_.ShortReport) {
            const std::string& line = CutLine(row);
            for (std::int64_t piece = 0; piece < placed; ++piece) {
                report_.Add(line);
            }
            return;
        }
        // Like neighbours of one bar share a line counting them; a bar's
        // first line always starts a new run.
        if (likeCount_ > 0 && item == lastItem_) {
            likeCount_ += placed;
            report_.ReplaceLast(ShortCutLine(row));
        } else {
            likeCount_ = placed;
            report_.Add(ShortCutLine(row));
        }
        lastItem_ = item;
    }

    const std::string& CutLine(int row) {
        std::string& line = cutLines_[static_cast<std::size_t>(row)];
        if (line.empty()) {
            line = "Item # {" + grid_.Cells(kItemColumn, row) + "}   " +
                   grid_.Cells(kLengthColumn, row);
        }
        return line;
    }

    std::string ShortCutLine(int row) {
        return "Qty " + std::to_string(likeCount_) + " " + CutLine(row);
    }

    void CloseBar() {
        if (barLeft_ < cutList_.ScrapBelow) {
            report_.Add(kScrapPrefix + LeftoverText());
            result_.TotalScrap = StoredSum(result_.TotalScrap, barLeft_);
        } else {
            report_.Add(kRemainingPrefix + LeftoverText());
            result_.TotalRemaining = StoredSum(result_.TotalRemaining, barLeft_);
        }
        likeCount_ = 0;
    }

    // Long jobs leave the same few leftovers again and again; each value is
    // formatted once.
    const std::string& LeftoverText() {
        const auto [entry, added] =
            leftoverTexts_.try_emplace(std::bit_cast<std::uint32_t>(barLeft_));
        if (added) {
            entry->second = FormatLength(barLeft_, options_.DecimalSeparator);
        }
        return entry->second;
    }

    PreparedCutList& cutList_;
    const int usedRows_;
    const TStringGrid& grid_;
    const NestingOptions& options_;
    ReportLines& report_;

    std::vector<std::string> cutLines_;
    FirstFitIndex liveRows_;
    int liveRowCount_ = 0;
    float barLeft_ = 0.0f;
    std::int64_t likeCount_ = 0;
    std::string lastItem_;
    std::unordered_map<std::uint32_t, std::string> leftoverTexts_;
    NestingResult result_;
};

}  // namespace

NestingResult Nest(PreparedCutList& cutList, const TStringGrid& cutListGrid,
                   const NestingOptions& options, ReportLines& report) {
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::Capacity);
    if (const char* refusal = UnfinishableRows(cutList, usedRows)) {
        NestingResult result;
        result.refused = true;
        result.refusal = refusal;
        return result;
    }
    return BarPacker(cutList, usedRows, cutListGrid, options, report).Run();
}
