#include "print/print_rules.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

const DotSize kAgenda{525, 414};
const DotSize kShoppingList{617, 310};
const PictureTarget k300Dpi{96, 300, 300, {2480, 3508}};
const PictureTarget kBigPage{96, 600, 600, {4800, 6600}};

TEST(PrintedPictureSize, FollowsThePrintSize) {
    struct Case {
        DotSize picture;
        int printSize;
        PictureTarget target;
        DotSize printed;
    };
    const Case cases[] = {
        {kAgenda, 0, k300Dpi, {1641, 1294}},              // 1640.6 and 1293.75 rounded
        {kShoppingList, 1, kBigPage, {4800, 2412}},       // 617 × 6600 / 310 is not < 4800
        {{300, 600}, 1, kBigPage, {3300, 6600}},          // a tall picture fills the height
        {kAgenda, 2, k300Dpi, {525, 414}},                // one dot per pixel
        {kAgenda, 7, k300Dpi, {1641, 1294}},              // unknown sizes print at real size
        {kAgenda, 0, {120, 600, 300, {}}, {2625, 1035}},  // each direction its own dpi
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintedPictureSize(c.picture, PrintSizeFromValue(c.printSize), c.target),
                  c.printed)
            << c.picture.width << "x" << c.picture.height << " size " << c.printSize;
    }
}

TEST(JobTitle, KeepsTheFirst31Characters) {
    EXPECT_EQ(JobTitle("Brivonce : liste d'activités"), "Brivonce : liste d'activités");
    EXPECT_EQ(JobTitle("Brivonce - Post-it 123456789012345"), "Brivonce - Post-it 123456789012");
    // Characters, not bytes: "é" counts once and is never cut in half.
    EXPECT_EQ(JobTitle("Brivonce : liste d'activités passées"), "Brivonce : liste d'activités pa");
}

}  // namespace
}  // namespace brivonce
