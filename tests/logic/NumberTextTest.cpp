// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "runtime/ColorValue.h"
#include "runtime/NumberText.h"

namespace diruvari {
namespace {

TEST(NumberText, BlankBeforeZeroAndPositiveMinusBeforeNegative) {
    EXPECT_EQ(numberText(15), " 15");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(100), " 100");
}

TEST(NumberText, IntegerTextHasNoBlank) {
    EXPECT_EQ(integerText(5), "5");
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-12), "-12");
}

TEST(NumberText, TagReadsBackAsDoubleAndAs16BitInteger) {
    EXPECT_EQ(textToDouble("5"), 5.0);
    EXPECT_EQ(textToDouble(" 15"), 15.0);
    EXPECT_EQ(textToDouble("-1"), -1.0);
    EXPECT_EQ(textToDouble("2.5"), 2.5);
    EXPECT_EQ(textToDouble("+7"), 7.0);
    EXPECT_EQ(textToInt16("15"), std::int16_t{15});
    EXPECT_EQ(textToInt16("-32768"), std::int16_t{-32768});
    EXPECT_EQ(textToInt16("32767"), std::int16_t{32767});
}

TEST(NumberText, TextThatIsNoNumberGivesNoValue) {
    for (const char* text : {"", " ", "x", "5x", "1e3", "--1", "nan", "inf"}) {
        EXPECT_FALSE(textToDouble(text)) << '"' << text << '"';
        EXPECT_FALSE(textToInt16(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(textToDouble(std::string(400, '9'))) << "past the largest double";
    EXPECT_FALSE(textToDouble(".")) << "a point with no digits";
    EXPECT_EQ(textToDouble("5."), 5.0);
    EXPECT_EQ(textToDouble(".25"), 0.25);
    EXPECT_FALSE(textToInt16("32768"));
    EXPECT_FALSE(textToInt16("-32769"));
    EXPECT_FALSE(textToInt16("2.5"));
}

TEST(ColorValue, PacksRedGreenBlueLowToHigh) {
    EXPECT_EQ(rgbValue(255, 0, 0), 255);
    EXPECT_EQ(rgbValue(0, 255, 0), 65280);
    EXPECT_EQ(rgbValue(0, 0, 255), 16711680);
    EXPECT_EQ(rgbValue(255, 192, 128), 255 + 256 * 192 + 65536 * 128);
    constexpr ColorValue c = rgbValue(1, 2, 3);
    EXPECT_EQ(redOf(c), 1);
    EXPECT_EQ(greenOf(c), 2);
    EXPECT_EQ(blueOf(c), 3);
}

}  // namespace
}  // namespace diruvari
