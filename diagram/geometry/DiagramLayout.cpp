#include "diagram/geometry/DiagramLayout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <iterator>

#include "core/notation/NumberFormat.h"

namespace {

// Turns positions along the bar into pixel edges. Each edge is rounded from
// the true position, never from the previous edge, and edges never step back
// or leave the strip, whatever the lengths hold.
class PixelScale {
  public:
    PixelScale(float barLength, int width) : width_(std::max(width, 0)) {
        if (std::isfinite(barLength) && barLength > 0.0f) {
            perUnit_ = static_cast<double>(width_) / static_cast<double>(barLength);
        }
    }

    int Edge(double position) {
        const double pixel = position * perUnit_;
        int edge = last_;
        if (std::isfinite(pixel)) {
            edge = static_cast<int>(std::lround(std::clamp(pixel, 0.0, double(width_))));
        }
        last_ = std::clamp(edge, last_, width_);
        return last_;
    }

    double Pixels(double length) const { return length * perUnit_; }
    int Width() const { return width_; }

  private:
    int width_;
    double perUnit_ = 0.0;
    int last_ = 0;
};

void AddBox(std::vector<DiagramBox>& boxes, DiagramBox::Kind kind, int left, int right,
            std::int32_t row, std::int32_t count) {
    boxes.push_back({kind, left, right - left, row, count});
}

// Planned from stock, each bar is drawn to the scale of the length its stock
// holds; otherwise all to the bar length's.
float LengthOfBar(const CuttingPlan& plan, const PlannedBar& bar) {
    const std::less<const PlannedBar*> before;
    const PlannedBar* first = plan.Bars.data();
    if (plan.BarStock.size() != plan.Bars.size() || before(&bar, first) ||
        !before(&bar, first + plan.Bars.size())) {
        return plan.BarLength;
    }
    return plan.StockOf(static_cast<std::size_t>(&bar - first)).Usable;
}

// The length the full width of a strip stands for: the longest stock length's
// when planned from stock, so that shorter bars are drawn shorter.
float LongestBar(const CuttingPlan& plan) {
    if (plan.BarStock.size() != plan.Bars.size() || plan.Stock.empty()) {
        return plan.BarLength;
    }
    float longest = 0.0f;
    for (const PlanStock& stock : plan.Stock) {
        longest = std::max(longest, stock.Usable);
    }
    return longest;
}

bool FromStock(const CuttingPlan& plan) {
    return !plan.Bars.empty() && plan.BarStock.size() == plan.Bars.size();
}

bool SameCuts(const CuttingPlan& plan, const PlannedBar& a, const PlannedBar& b) {
    if (LengthOfBar(plan, a) != LengthOfBar(plan, b) ||
        std::bit_cast<std::uint32_t>(a.Left) != std::bit_cast<std::uint32_t>(b.Left)) {
        return false;
    }
    const auto runsA = plan.RunsOf(a);
    const auto runsB = plan.RunsOf(b);
    return std::equal(
        runsA.begin(), runsA.end(), runsB.begin(), runsB.end(),
        [](const PieceRun& x, const PieceRun& y) { return x.Row == y.Row && x.Count == y.Count; });
}

}  // namespace

const PreparedRow& LabelOfRow(const CuttingPlan& plan, std::int32_t row) {
    static const PreparedRow noRow{};
    if (row < 1 || static_cast<std::size_t>(row) > plan.Rows.size()) {
        return noRow;
    }
    return plan.Rows[static_cast<std::size_t>(row) - 1];
}

float PieceLengthOfRow(const CuttingPlan& plan, std::int32_t row) {
    return LabelOfRow(plan, row).Charged;
}

std::vector<DiagramBox> BarBoxes(const DiagramJob& job, const PlannedBar& bar, int width) {
    PixelScale scale(LongestBar(*job.Plan), width);
    const float barLength = LengthOfBar(*job.Plan, bar);
    const double cutWidth = job.Plan->CutWidth;
    std::vector<DiagramBox> boxes;
    double position = 0.0;
    int edge = 0;
    for (const PieceRun& run : job.Plan->RunsOf(bar)) {
        const double charged = PieceLengthOfRow(*job.Plan, run.Row);
        if (run.Count > 1 && scale.Pixels(charged) < 1.0) {
            position += charged * run.Count;
            const int right = scale.Edge(position);
            AddBox(boxes, DiagramBox::Kind::Piece, edge, right, run.Row, run.Count);
            edge = right;
            continue;
        }
        for (std::int32_t piece = 0; piece < run.Count; ++piece) {
            const int pieceEnd = scale.Edge(position + std::max(charged - cutWidth, 0.0));
            position += charged;
            const int cutEnd = scale.Edge(position);
            AddBox(boxes, DiagramBox::Kind::Piece, edge, pieceEnd, run.Row, 1);
            AddBox(boxes, DiagramBox::Kind::Cut, pieceEnd, cutEnd, 0, 1);
            edge = cutEnd;
        }
    }
    const int end = barLength == LongestBar(*job.Plan) ? scale.Width() : scale.Edge(barLength);
    AddBox(boxes, DiagramBox::Kind::Leftover, edge, std::max(edge, end), 0, 1);
    return boxes;
}

const DiagramBox* BoxAt(const std::vector<DiagramBox>& boxes, int x) {
    const auto after = std::upper_bound(
        boxes.begin(), boxes.end(), x, [](int at, const DiagramBox& box) { return at < box.Left; });
    if (after == boxes.begin()) {
        return nullptr;
    }
    const DiagramBox& box = *std::prev(after);
    return x < box.Left + box.Width ? &box : nullptr;
}

std::string BoxTip(const DiagramJob& job, const PlannedBar& bar, const DiagramBox& box) {
    switch (box.Type) {
        case DiagramBox::Kind::Piece: {
            const PreparedRow& label = LabelOfRow(*job.Plan, box.Row);
            const std::string line = "Item # {" + label.Item + "}   " + label.Length;
            return box.Count > 1 ? "Qty " + std::to_string(box.Count) + " " + line : line;
        }
        case DiagramBox::Kind::Cut:
            return "Cut Width " + FormatLength(job.Plan->CutWidth, job.DecimalSeparator);
        case DiagramBox::Kind::Leftover:
            return LeftoverLabel(job, bar);
    }
    return std::string();
}

std::vector<BarGroup> GroupLikeBars(const CuttingPlan& plan) {
    std::vector<BarGroup> groups;
    for (std::uint32_t bar = 0; bar < plan.Bars.size(); ++bar) {
        if (!groups.empty() && SameCuts(plan, plan.Bars[groups.back().First], plan.Bars[bar])) {
            ++groups.back().Count;
        } else {
            groups.push_back({bar, 1});
        }
    }
    return groups;
}

std::string GroupLabel(const BarGroup& group) {
    const std::uint64_t first = std::uint64_t{group.First} + 1;
    if (group.Count <= 1) {
        return "Bar " + std::to_string(first);
    }
    return "Bars " + std::to_string(first) + "-" + std::to_string(first + group.Count - 1) + ", " +
           std::to_string(group.Count) + " x";
}

std::string StripLabel(const CuttingPlan& plan, const BarGroup& group) {
    if (!FromStock(plan) || group.First >= plan.Bars.size()) {
        return GroupLabel(group);
    }
    return GroupLabel(group) + " from " + plan.StockOf(group.First).LengthText;
}

std::string LeftoverLabel(const DiagramJob& job, const PlannedBar& bar) {
    return (job.Plan->IsScrap(bar) ? "scrap " : "remaining ") +
           FormatLength(bar.Left, job.DecimalSeparator);
}

std::string SettingsLine(const DiagramJob& job) {
    const char separator = job.DecimalSeparator;
    if (FromStock(*job.Plan)) {
        std::string line = "Stock Lengths ";
        // A long stock list would run off the page: the first lengths tell it.
        constexpr std::size_t kLengthsNamed = 8;
        const std::vector<PlanStock>& stock = job.Plan->Stock;
        for (std::size_t s = 0; s < std::min(stock.size(), kLengthsNamed); ++s) {
            line += (s > 0 ? ", " : "") + stock[s].LengthText;
        }
        if (stock.size() > kLengthsNamed) {
            line += ", ...";
        }
        if (job.Plan->EndTrim > 0.0f) {
            line += "   End Trim " + FormatLength(job.Plan->EndTrim, separator);
        }
        return line + "   Cut Width " + FormatLength(job.Plan->CutWidth, separator) +
               "   Scrap Below " + FormatLength(job.Plan->ScrapBelow, separator) + "   Bars " +
               std::to_string(job.Plan->Bars.size());
    }
    return "Bar Length " + FormatLength(job.Plan->BarLength, separator) + "   Cut Width " +
           FormatLength(job.Plan->CutWidth, separator) + "   Scrap Below " +
           FormatLength(job.Plan->ScrapBelow, separator) + "   Bars " +
           std::to_string(job.Plan->Bars.size());
}
