#include "agenda/time_text.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

TEST(ParseTimeLabel, OnlyExactlyHoursColonMinutesIsATime) {
    EXPECT_EQ(ParseTimeLabel("00:00"), 0);
    EXPECT_EQ(ParseTimeLabel("14:30"), 14 * 60 + 30);
    EXPECT_EQ(ParseTimeLabel("23:59"), 23 * 60 + 59);
    for (const char* label : {"", "24:00", "14:60", "1430", "14-30", " 4:30", "4:30", "14:3",
                              "14:300", "14:30 ", "ab:cd", "1a:30", "-1:30", "+1:30"}) {
        EXPECT_EQ(ParseTimeLabel(label), std::nullopt) << label;
    }
}

TEST(TimeEditText, TakesTheHourAndMinuteAroundAColon) {
    EXPECT_EQ(TimeEditText("14:30"), "14:30");
    EXPECT_EQ(TimeEditText("14h30 et plus"), "14:30");
    EXPECT_EQ(TimeEditText("9"), "9 :  ");
    EXPECT_EQ(TimeEditText(""), "  :  ");
}

TEST(CorrectTimeText, BlanksAndStrayCharactersBecomeZeros) {
    TimeCorrection corrected = CorrectTimeText("  :  ", "08:30");
    EXPECT_EQ(corrected.text, "00:00");
    EXPECT_FALSE(corrected.hourRestored);
    EXPECT_FALSE(corrected.minuteRestored);
    EXPECT_EQ(CorrectTimeText("1 :4", "08:30").text, "10:40");
    EXPECT_EQ(CorrectTimeText("a1:b2", "08:30").text, "01:02");
}

TEST(CorrectTimeText, PutsBackTheStartingHourOrMinute) {
    TimeCorrection hour = CorrectTimeText("27:30", "08:30");
    EXPECT_EQ(hour.text, "08:30");
    EXPECT_TRUE(hour.hourRestored);
    EXPECT_FALSE(hour.minuteRestored);

    TimeCorrection minute = CorrectTimeText("08:75", "08:30");
    EXPECT_EQ(minute.text, "08:30");
    EXPECT_FALSE(minute.hourRestored);
    EXPECT_TRUE(minute.minuteRestored);

    TimeCorrection both = CorrectTimeText("99:99", "12:45");
    EXPECT_EQ(both.text, "12:45");
    EXPECT_TRUE(both.hourRestored && both.minuteRestored);
}

TEST(CorrectTimeText, KeepsTheLimitsThemselves) {
    EXPECT_EQ(CorrectTimeText("23:59", "08:30").text, "23:59");
    EXPECT_EQ(CorrectTimeText("24:60", "08:30").text, "08:30");
}

TEST(CorrectTimeText, AnInvalidStartingTimeGivesZeros) {
    // A week file may hold any label; the edit must still end on a valid time.
    EXPECT_EQ(CorrectTimeText("31:88", "47:61").text, "00:00");
    EXPECT_EQ(CorrectTimeText("31:88", "zz").text, "00:00");
    EXPECT_EQ(CorrectTimeText("31:15", "12").text, "12:15");
}

}  // namespace
}  // namespace brivonce
