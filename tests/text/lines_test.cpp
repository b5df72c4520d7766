#include "text/lines.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEveryLineBreakKind) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then lone CR
}

TEST(SplitLines, FinalBreakEndsTheLastLineWithoutAddingOne) {
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\r"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(JoinLinesCrLf, EndsEveryLine) {
    EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLinesCrLf({}), "");
}

TEST(NormalizeLineBreaks, MakesEveryBreakCrLfAndAddsNothing) {
    EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(NormalizeLineBreaks("a\n\r"), "a\r\n\r\n");
    EXPECT_EQ(NormalizeLineBreaks("x"), "x");
}

}  // namespace
}  // namespace brivonce
