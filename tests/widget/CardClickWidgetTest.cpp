// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>

#include "GameWindowTest.h"
#include "WidgetSupport.h"
#include "window/Palette.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"

namespace diruvari::test {
namespace {

// Pixels of the client area around card k: the frame's ring shows in the
// three-pixel gaps on each side of the card, the card's colour inside.
struct Around {
    QColor left, right, top, bottom, inside;
};

class CardClickWidget : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        // Cards 5 and 6 make a pair; 9 differs from 5; every other card
        // differs from its neighbours except 14 and 15.
        const char* board = "RGBR GRRG BGBR RGGG";
        for (int k = 0; k < 16; ++k) {
            const char c = board[k + k / 4];
            game.controls().Card(k).setBackColor(palette[c == 'R' ? 0 : c == 'G' ? 1 : 2]);
        }
    }

    Around around(int k) {
        const QImage image = grabImage(*window().surface());
        const int x = gridPlace(k).x();
        const int y = gridPlace(k).y();
        return {image.pixelColor(x + 1, y + 18), image.pixelColor(x + 34, y + 18),
                image.pixelColor(x + 18, y + 1), image.pixelColor(x + 18, y + 34),
                image.pixelColor(x + 18, y + 18)};
    }

    void expectRing(int k, bool shown) {
        const Around a = around(k);
        const QColor ring = shown ? QColor(Qt::black) : QColor(255, 192, 128);
        EXPECT_EQ(a.left, ring) << "card " << k;
        EXPECT_EQ(a.right, ring) << "card " << k;
        EXPECT_EQ(a.top, ring) << "card " << k;
        EXPECT_EQ(a.bottom, ring) << "card " << k;
        EXPECT_EQ(a.inside, qcolor(game.controls().Card(k).backColor())) << "card " << k;
    }
};

TEST_F(CardClickWidget, TheFrameRingsTheClickedCardOutsideItsFace) {
    click(5);
    expectRing(5, true);
    const QImage image = grabImage(*window().surface());
    EXPECT_EQ(image.pixelColor(36, 36), QColor(Qt::white)) << "the card's bevel is not covered";
    EXPECT_EQ(image.pixelColor(65, 65), QColor(Qt::black)) << "the card's own bevel";
    EXPECT_EQ(image.pixelColor(30, 50), qcolor(game.controls().Card(4).backColor()))
        << "the ring stays beneath the card on its left";
}

TEST_F(CardClickWidget, TheFrameMovesOnANonPairAndAPairRepaintsBothCardsWithoutIt) {
    click(5);
    click(9);
    expectRing(9, true);
    // Card 5's gaps, except the one below it, which it shares with card 9.
    const Around old = around(5);
    const QColor background(255, 192, 128);
    EXPECT_EQ(old.left, background);
    EXPECT_EQ(old.top, background);
    EXPECT_EQ(old.right, background);
    click(5);
    click(6);
    expectRing(5, false);
    expectRing(6, false);
    EXPECT_EQ(grabImage(*window().cardButton(5)).pixelColor(15, 15),
              qcolor(game.controls().Card(5).backColor()))
        << "the repainted card's face shows its new colour";
}

TEST_F(CardClickWidget, EveryCardReportsItsOwnIndex) {
    for (int k = 0; k < 16; ++k) {
        game.controls().Frame().setVisible(false);
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {},
                          window().surface()->mapTo(&window(), cardCentre(k)));
        EXPECT_EQ(game.controls().Frame().tag(), std::to_string(k));
    }
}

}  // namespace
}  // namespace diruvari::test
