#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/plan/CuttingPlan.h"

// Everything a cutting diagram is drawn from: a complete plan with its row
// labels and piece lengths (never null), the job title and the decimal
// separator of the report's numbers. Taken once at the end of a Calculate, so
// the diagram never changes behind the user's back; the plan is shared, never
// copied, however many bars it holds.
struct DiagramJob {
    std::shared_ptr<const CuttingPlan> Plan;
    std::string Title;
    char DecimalSeparator = '.';
};

// The label and the piece length of a cut list row of the plan; empty and 0
// for a row the plan does not describe.
const PreparedRow& LabelOfRow(const CuttingPlan& plan, std::int32_t row);
float PieceLengthOfRow(const CuttingPlan& plan, std::int32_t row);

// One box of a bar's strip, in whole pixels from the strip's left edge.
struct DiagramBox {
    enum class Kind { Piece, Cut, Leftover };
    Kind Type = Kind::Piece;
    int Left = 0;
    int Width = 0;
    std::int32_t Row = 0;    // the cut list row of a piece, 0 otherwise
    std::int32_t Count = 1;  // pieces a piece box stands for (see BarBoxes)
};

// The boxes of one bar drawn width pixels wide, left to right: each piece
// followed by its cut width, then the leftover. The boxes tile the bar
// exactly (no gaps, no overlaps, widths adding up to width; from stock, the
// longest stock length takes the whole width and a shorter one its share of
// it, to one scale) and every edge is
// the rounded pixel of its true position along the bar, so rounding never
// accumulates. Where the pieces of one run would be narrower than a pixel
// each, the run is one piece box with its Count, its cuts inside it.
std::vector<DiagramBox> BarBoxes(const DiagramJob& job, const PlannedBar& bar, int width);

// The box of a strip under the pixel x (from the strip's left edge), or
// null where there is none (beyond either end, or a cut drawn as a line).
const DiagramBox* BoxAt(const std::vector<DiagramBox>& boxes, int x);

// What a box says when pointed at, in the report's words: "Item # {3}   30"
// for a piece ("Qty 4 Item # {3}   30" for a run drawn as one box), "Cut
// Width 0.125" for a cut, "scrap 17.625" or "remaining 179.750" for the
// leftover. Read from the box, not its label, so that a piece too narrow for
// its label still tells what it is.
std::string BoxTip(const DiagramJob& job, const PlannedBar& bar, const DiagramBox& box);

// Neighbouring bars cut alike (the same runs and the same leftover), drawn
// once: Count bars from the bar at index First (0-based) on.
struct BarGroup {
    std::uint32_t First = 0;
    std::uint32_t Count = 1;
};

std::vector<BarGroup> GroupLikeBars(const CuttingPlan& plan);

// "Bar 3", or for a group "Bars 4-9, 6 x".
std::string GroupLabel(const BarGroup& group);
// The same with the stock length the bars are cut from, when planned from
// stock: "Bars 4-9, 6 x from 240".
std::string StripLabel(const CuttingPlan& plan, const BarGroup& group);

// "scrap 17.625" or "remaining 179.750".
std::string LeftoverLabel(const DiagramJob& job, const PlannedBar& bar);

// The bar settings and totals under the title: "Bar Length 240.000   Cut Width
// 0.125   Scrap Below 20.000   Bars 3"; from stock the stock lengths and any
// end trim take the place of the bar length: "Stock Lengths 240, 144   End
// Trim 5.000   Cut Width ...".
std::string SettingsLine(const DiagramJob& job);
