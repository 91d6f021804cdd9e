// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>
#include <cmath>

#include "GameWindowTest.h"
#include "window/Palette.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"

namespace diruvari::test {
namespace {

// Runs at the scale that DIRUVARI_TEST_SCALE gives (2 and 1.5 in CTest).
class HighDpi : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        scale = qEnvironmentVariable("DIRUVARI_TEST_SCALE", "1").toDouble();
        image = window().surface()->grab().toImage();
    }
    // The device pixel at logical (x, y), taken at the pixel's centre.
    QColor at(double x, double y) {
        return image.pixelColor(static_cast<int>(std::floor(x * scale)),
                                static_cast<int>(std::floor(y * scale)));
    }

    double scale = 1;
    QImage image;
};

TEST_F(HighDpi, TheWholeBoardScalesWithNothingCut) {
    ASSERT_GT(scale, 1.0) << "run with DIRUVARI_TEST_SCALE";
    EXPECT_DOUBLE_EQ(window().devicePixelRatio(), scale);
    EXPECT_EQ(window().surface()->size(), QSize(264, 135)) << "logical size is unchanged";
    EXPECT_EQ(image.size(), QSize(std::lround(264 * scale), std::lround(135 * scale)));
    // The bevel's lines are a logical pixel wide: as many whole device pixels
    // as the scale has, never a hairline at scale 2.
    const int line = static_cast<int>(std::floor(scale));
    for (int k = 0; k < 16; ++k) {
        const QImage card = window().cardButton(k)->grab().toImage();
        const int size = static_cast<int>(std::lround(30 * scale));
        ASSERT_EQ(card.size(), QSize(size, size)) << k;
        const QColor face = qcolor(game.controls().Card(k).backColor());
        EXPECT_EQ(card.pixelColor(size / 2, size / 2), face) << k;
        EXPECT_EQ(at(cardCentre(k).x(), cardCentre(k).y()), face) << k << " on the board";
        for (int i = 0; i < line; ++i) {
            EXPECT_EQ(card.pixelColor(i, size / 2), QColor(Qt::white)) << k;
            EXPECT_EQ(card.pixelColor(size / 2, i), QColor(Qt::white)) << k;
            EXPECT_EQ(card.pixelColor(size - 1 - i, size / 2), QColor(Qt::black)) << k;
            EXPECT_EQ(card.pixelColor(size / 2, size - 1 - i), QColor(Qt::black)) << k;
        }
    }
    EXPECT_EQ(at(263.5, 134.5), QColor(255, 192, 128)) << "the far corner is drawn";
}

TEST_F(HighDpi, TheFramesRingScales) {
    click(5);
    image = window().surface()->grab().toImage();
    // Three logical pixels of ring show in the gap left of card 5.
    for (const double x : {33.2, 34.5, 35.8}) {
        EXPECT_EQ(at(x, 50), QColor(Qt::black)) << x;
    }
    EXPECT_EQ(at(36.5, 50), QColor(Qt::white)) << "the card's bevel starts after the ring";
    EXPECT_EQ(at(50, 50), qcolor(game.controls().Card(5).backColor()));
}

TEST_F(HighDpi, TheLabelsLongestTextsFit) {
    const auto labels = window().surface()->findChildren<CaptionLabel*>();
    const QFontMetrics metrics(labels.at(0)->font());
    const QString longest[] = {"Level: 0", "Cards: 100", "Colors: 6"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(metrics.horizontalAdvance(longest[i]), labels.at(i)->width()) << i;
        EXPECT_LE(metrics.height(), labels.at(i)->height()) << i;
    }
}

}  // namespace
}  // namespace diruvari::test
