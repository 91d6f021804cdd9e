// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>

#include "window/CardName.h"
#include "window/Drawing.h"
#include "window/Grid.h"
#include "window/LabelFace.h"
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

namespace diruvari {
namespace {

// What every toolkit paints, at the scales that they meet: Qt and a desktop
// page at 1, Windows at 144 and 192 dpi. The edges round each on its own,
// halves up on both sides of zero, so that the ring of card 0, which starts
// left of the client area, is as wide on each side as the page drew it.
TEST(Drawing, EveryRectangleIsRoundedTheOneWayAtEveryScale) {
    const struct {
        double scale;
        PixelRect client, card15, label1;
        Ring ring0;
        int line, inset, font;
    } cases[] = {
        {1, {0, 0, 264, 135}, {102, 102, 30, 30}, {136, 40, 129, 33},
         {{-2, -2, 38, 38}, 5, 5, 5, 5}, 1, 4, 21},
        {1.5, {0, 0, 396, 203}, {153, 153, 45, 45}, {204, 60, 194, 50},
         {{-3, -3, 57, 57}, 8, 8, 7, 7}, 2, 6, 32},
        {2, {0, 0, 528, 270}, {204, 204, 60, 60}, {272, 80, 258, 66},
         {{-4, -4, 76, 76}, 10, 10, 10, 10}, 2, 8, 42},
    };
    for (const auto& c : cases) {
        const Drawing drawing(c.scale);
        EXPECT_EQ(drawing.client(), c.client) << c.scale;
        EXPECT_EQ(drawing.card(45 + 3 * 495, 45 + 3 * 495), c.card15) << c.scale;
        EXPECT_EQ(drawing.label(1), c.label1) << c.scale;
        const Ring ring = drawing.ring(0, 0);
        EXPECT_EQ(ring.outer, c.ring0.outer) << c.scale;
        EXPECT_EQ((std::array{ring.left, ring.top, ring.right, ring.bottom}),
                  (std::array{c.ring0.left, c.ring0.top, c.ring0.right, c.ring0.bottom}))
            << c.scale;
        EXPECT_EQ(drawing.line(), c.line) << c.scale;
        EXPECT_EQ(drawing.focus(c.card15).left - c.card15.left, c.inset) << c.scale;
        EXPECT_EQ(drawing.labelFontPixels(), c.font) << c.scale;
    }
}

TEST(Drawing, TheBevelIsLitAtTheTopLeftAndAPressSwapsEachPair) {
    const PixelRect face{0, 0, 30, 30};
    const auto up = Drawing().bevel(face, false);
    const auto down = Drawing().bevel(face, true);
    EXPECT_EQ(up[0].rect, (PixelRect{0, 0, 30, 1}));
    EXPECT_EQ(up[3].rect, (PixelRect{29, 0, 1, 30})) << "the outer right side";
    EXPECT_EQ(up[4].rect, (PixelRect{1, 1, 28, 1})) << "the inner top";
    const ColorValue colours[] = {bevelOuterLight, bevelOuterShadow, bevelInnerLight,
                                  bevelInnerShadow};
    EXPECT_EQ((std::array{up[0].color, up[2].color, up[4].color, up[6].color}),
              (std::array{colours[0], colours[1], colours[2], colours[3]}));
    EXPECT_EQ((std::array{down[0].color, down[2].color, down[4].color, down[6].color}),
              (std::array{colours[1], colours[0], colours[3], colours[2]}));
}

TEST(LabelFace, TheDesignedFaceThenTheBundledOneAndNeverAPlainOneUnsaid) {
    EXPECT_STREQ(labelFace(true, true), labelFamily);
    EXPECT_STREQ(labelFace(false, true), bundledLabelFamily);
    testing::internal::CaptureStderr();
    EXPECT_EQ(labelFace(false, false), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "diruvari: the labels' face Blankenburg_UNZ1A did not load; they are shown in the "
              "default face\n");
}

}  // namespace
}  // namespace diruvari
