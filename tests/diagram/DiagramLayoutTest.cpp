#include "diagram/geometry/DiagramLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "tests/common/HandMadeDiagram.h"

namespace {

using Bar = std::vector<PieceRun>;

TEST(DiagramLayoutTest, BoxesTileTheStripWithEachEdgeAtItsRoundedPosition) {
    const DiagramJob job = HandMadeDiagram({{{{1, 2}, {3, 1}}, 17.625f}});
    // True right edges along the bar: piece, cut, piece, cut, piece, cut, leftover.
    const std::vector<double> edges = {96, 96.125, 192.125, 192.25, 222.25, 222.375, 240};
    for (const int width : {3, 7, 100, 960, 1237}) {
        const std::vector<DiagramBox> boxes = BarBoxes(job, job.Plan->Bars[0], width);
        ASSERT_EQ(boxes.size(), edges.size()) << width;
        int left = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].Left, left) << width << " box " << i;
            EXPECT_GE(boxes[i].Width, 0);
            left += boxes[i].Width;
            EXPECT_LE(std::abs(left - edges[i] * width / 240.0), 0.5) << width << " box " << i;
            const auto kind = i + 1 == boxes.size() ? DiagramBox::Kind::Leftover
                              : i % 2 == 0          ? DiagramBox::Kind::Piece
                                                    : DiagramBox::Kind::Cut;
            EXPECT_EQ(boxes[i].Type, kind) << width << " box " << i;
        }
        EXPECT_EQ(left, width);
    }
}

TEST(DiagramLayoutTest, PiecesNarrowerThanAPixelAreOneBoxForTheirRun) {
    const DiagramJob job = HandMadeDiagram({{{{3, 1}, {4, 900}}, 7.375f}});
    const std::vector<DiagramBox> boxes = BarBoxes(job, job.Plan->Bars[0], 240);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[2].Row, 4);
    EXPECT_EQ(boxes[2].Count, 900);
    EXPECT_EQ(boxes[2].Left + boxes[2].Width, 233);  // 30.125 + 900 x 0.225
    EXPECT_EQ(boxes[3].Width, 7);
    EXPECT_EQ(BarBoxes(job, job.Plan->Bars[0], 2400).size(), 3u + 2 * 900);
}

TEST(DiagramLayoutTest, NeighbouringBarsCutAlikeAreOneGroup) {
    const Bar twoLong = {{1, 2}, {3, 1}};
    const Bar oneLong = {{1, 1}, {2, 2}, {3, 1}};
    const DiagramJob job = HandMadeDiagram({{twoLong, 17.625f},
                                            {twoLong, 17.625f},
                                            {oneLong, 17.5f},
                                            {twoLong, 17.625f},
                                            {{{1, 2}}, 47.75f},
                                            {{{1, 2}}, 47.75f},
                                            {{{1, 2}}, 47.75f}});
    std::vector<std::string> labels;
    for (const BarGroup& group : GroupLikeBars(*job.Plan)) {
        labels.push_back(GroupLabel(group));
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Bars 1-2, 2 x", "Bar 3", "Bar 4", "Bars 5-7, 3 x"}));
}

// Every pixel of a strip is one box, which names what lies there even where
// the box is too narrow for its label.
TEST(DiagramLayoutTest, EachPixelTellsTheBoxUnderIt) {
    DiagramJob job = HandMadeDiagram({{{{1, 1}, {4, 3}, {3, 1}}, 113.15f}});
    job.DecimalSeparator = ',';
    const PlannedBar& bar = job.Plan->Bars[0];
    // At 240 pixels the cuts are lines and row 4 is one box of 3; at 2400
    // the first cut is a pixel wide.
    const struct {
        int width;
        int x;
        std::string tip;
    } cases[] = {{240, 0, "Item # {1}   96"},         {240, 95, "Item # {1}   96"},
                 {240, 96, "Qty 3 Item # {4}   0.1"}, {240, 126, "Item # {3}   30"},
                 {240, 127, "remaining 113,150"},     {240, 239, "remaining 113,150"},
                 {2400, 960, "Cut Width 0,125"}};
    for (const auto& c : cases) {
        const std::vector<DiagramBox> boxes = BarBoxes(job, bar, c.width);
        const DiagramBox* box = BoxAt(boxes, c.x);
        ASSERT_NE(box, nullptr) << c.x;
        EXPECT_EQ(BoxTip(job, bar, *box), c.tip) << c.x;
    }
    const std::vector<DiagramBox> boxes = BarBoxes(job, bar, 240);
    EXPECT_EQ(BoxAt(boxes, -1), nullptr);
    EXPECT_EQ(BoxAt(boxes, 240), nullptr);
}

TEST(DiagramLayoutTest, TextsOfLeftoversAndSettings) {
    DiagramJob job = HandMadeDiagram({{{{1, 2}, {3, 1}}, 17.625f}, {{{3, 2}}, 179.75f}});
    job.DecimalSeparator = ',';
    EXPECT_EQ(LeftoverLabel(job, job.Plan->Bars[0]), "scrap 17,625");
    EXPECT_EQ(LeftoverLabel(job, job.Plan->Bars[1]), "remaining 179,750");
    EXPECT_EQ(SettingsLine(job),
              "Bar Length 240,000   Cut Width 0,125   Scrap Below 20,000   Bars 2");
}

}  // namespace

namespace {

// Cut from stock, all bars are drawn to one scale, the longest stock length
// taking the whole strip: one 96 takes 0.4 of a 240 bar, and a bar of 100
// with 3.875 trimmed off ends where its 96 does. Each strip names its stock.
TEST(DiagramLayoutTest, BarsFromStockAreDrawnToOneScaleAndNamed) {
    DiagramJob job = HandMadeDiagram({{{{1, 1}}, 143.875f}, {{{1, 1}}, 0.0f}});
    auto plan = std::make_shared<CuttingPlan>(*job.Plan);
    plan->Stock = {{240.0f, 240.0f, std::nullopt, "240"}, {100.0f, 96.125f, std::nullopt, "100"}};
    plan->BarStock = {0, 1};
    plan->EndTrim = 3.875f;
    job.Plan = plan;
    const std::vector<DiagramBox> onLong = BarBoxes(job, plan->Bars[0], 2400);
    const std::vector<DiagramBox> onShort = BarBoxes(job, plan->Bars[1], 2400);
    EXPECT_EQ(onLong[1].Left + onLong[1].Width, 961);
    EXPECT_EQ(onLong.back().Left + onLong.back().Width, 2400);
    EXPECT_EQ(onShort.back().Left + onShort.back().Width, 961);
    EXPECT_EQ(BoxAt(onShort, 1200), nullptr);
    const std::vector<BarGroup> groups = GroupLikeBars(*plan);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(StripLabel(*plan, groups[1]), "Bar 2 from 100");
    EXPECT_EQ(SettingsLine(job),
              "Stock Lengths 240, 100   End Trim 3.875   Cut Width 0.125   "
              "Scrap Below 20.000   Bars 2");
}

}  // namespace
