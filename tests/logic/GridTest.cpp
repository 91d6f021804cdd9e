// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "window/CardName.h"
#include "window/Grid.h"
#include "window/Palette.h"

namespace diruvari {
namespace {

TEST(Grid, StepsStayInTheirRowOrColumnAndStopAtTheEdges) {
    EXPECT_EQ(neighbourCard(5, Step::Left), 4);
    EXPECT_EQ(neighbourCard(5, Step::Right), 6);
    EXPECT_EQ(neighbourCard(5, Step::Up), 1);
    EXPECT_EQ(neighbourCard(5, Step::Down), 9);
    EXPECT_EQ(neighbourCard(3, Step::Right), -1) << "3 and 4 are no neighbours";
    EXPECT_EQ(neighbourCard(4, Step::Left), -1);
    EXPECT_EQ(neighbourCard(11, Step::Right), -1);
    EXPECT_EQ(neighbourCard(0, Step::Up), -1);
    EXPECT_EQ(neighbourCard(15, Step::Down), -1);
    EXPECT_EQ(neighbourCard(12, Step::Down), -1);
}

TEST(CardName, SaysColourRowAndColumnCountedFromOne) {
    EXPECT_EQ(cardName(0, palette[0]), "Red card, row 1, column 1");
    EXPECT_EQ(cardName(1, palette[1]), "Green card, row 1, column 2");
    EXPECT_EQ(cardName(6, palette[2]), "Blue card, row 2, column 3");
    EXPECT_EQ(cardName(11, palette[3]), "Yellow card, row 3, column 4");
    EXPECT_EQ(cardName(12, palette[4]), "Magenta card, row 4, column 1");
    EXPECT_EQ(cardName(15, palette[5]), "Cyan card, row 4, column 4");
    EXPECT_EQ(cardName(7, rgbValue(255, 255, 255)), "White card, row 2, column 4");
}

}  // namespace
}  // namespace diruvari
