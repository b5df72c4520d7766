#include "memo/memo_text.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

TEST(AppendStampLine, EmptyMemoGetsTheLineAndABreak) {
    EXPECT_EQ(AppendStampLine("", "07/12/2026"), "07/12/2026\n");
}

TEST(AppendStampLine, TextWithoutAFinalBreakStartsANewLine) {
    EXPECT_EQ(AppendStampLine("courses", "07/12/2026"), "courses\n07/12/2026");
}

TEST(AppendStampLine, TextEndingWithABreakGetsTheLineAndABreak) {
    EXPECT_EQ(AppendStampLine("courses\n", "07/12/2026"), "courses\n07/12/2026\n");
    EXPECT_EQ(AppendStampLine("\n", "x"), "\nx\n");
}

TEST(DateTimeStamp, MidnightShowsTheDateAlone) {
    EXPECT_EQ(DateTimeStamp("07/12/2026", 0, 0, 0), "07/12/2026");
    EXPECT_EQ(DateTimeStamp("07/12/2026", 0, 0, 1), "07/12/2026 00:00:01");
    EXPECT_EQ(DateTimeStamp("31/12/2026", 23, 5, 9), "31/12/2026 23:05:09");
}

}  // namespace
}  // namespace brivonce
