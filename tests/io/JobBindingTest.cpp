#include <gtest/gtest.h>

#include "io/job/JobBinding.h"
#include "io/job/JobFileReader.h"

namespace {

TEST(JobBinding, ApplyThenTakeGivesTheJobBackAndLeavesTheRestAlone) {
    TStringGrid cutList(nullptr, 5, 500);
    TStringGrid barSettings(nullptr, 2, 5);
    cutList.SetCells(0, 0, " Qty");
    barSettings.SetCells(0, 0, " Bar Length");
    barSettings.SetCells(1, 3, "3");
    barSettings.SetCells(1, 4, "0");
    std::string title = " Untitled";
    bool autoItem = false;
    const JobView view{title, barSettings, autoItem, cutList};

    const Job job = ParseJobFile("Deck\r\n16'\r\n1/8\r\n2'\r\n1\r\n4\r\n3' 2\r\n\r\n");
    ApplyJob(job, view);
    EXPECT_EQ(title, "Deck");
    EXPECT_TRUE(autoItem);
    EXPECT_EQ(barSettings.Cells(1, 0), "16'");
    EXPECT_EQ(barSettings.Cells(1, 2), "2'");
    EXPECT_EQ(cutList.Cells(1, 1), "3' 2");
    EXPECT_EQ(TakeJob(view), job);

    EXPECT_EQ(cutList.Cells(0, 0), " Qty");
    EXPECT_EQ(barSettings.Cells(0, 0), " Bar Length");
    EXPECT_EQ(barSettings.Cells(1, 3), "3");
    EXPECT_EQ(barSettings.Cells(1, 4), "0");

    EmptyCutList(cutList);
    EXPECT_EQ(cutList.Cells(0, 1), "");
    EXPECT_EQ(cutList.Cells(1, 1), "");
    EXPECT_EQ(cutList.Cells(0, 0), " Qty");
}

}  // namespace
