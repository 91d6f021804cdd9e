// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "GameWindowTest.h"
#include "WidgetSupport.h"
#include "window/Palette.h"
#include "window/qt/CaptionLabel.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {
namespace {

using LevelFlowWidget = GameWindowTest;

TEST_F(LevelFlowWidget, AWonLevelAnnouncesItselfThroughTheRealBoxThenDealsTheNextLevel) {
    oneMoreToGo(3);
    const QPoint position = window().pos();
    QString cardsWhileOpen;
    boxes.whileOpen = [&](QMessageBox& box) {
        if (boxes.texts.size() == 1) {
            cardsWhileOpen = label(1);
            EXPECT_EQ(box.windowTitle(), "Diruvari");
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.buttons().size(), 1);
            EXPECT_TRUE(box.isModal());
        }
    };
    click(0);
    click(1);
    ASSERT_FALSE(boxes.texts.empty());
    EXPECT_EQ(boxes.texts.front(), "Wow! You beat level 3!");
    EXPECT_EQ(cardsWhileOpen, "Cards: 0");
    EXPECT_EQ(label(0), "Level: 4");
    EXPECT_EQ(visibleCards(), 16);
    EXPECT_EQ(window().pos(), position);
    EXPECT_FALSE(game.controls().Frame().visible());
}

TEST_F(LevelFlowWidget, WinningLevelZeroEndsTheEventLoopWithStatusZeroAndNothingAfter) {
    oneMoreToGo(0);
    EXPECT_EQ(runWith([this] {
                  click(0);
                  click(1);
              }),
              0);
    const std::vector<std::string> expected = {"Wow! You beat level 0!",
                                               "Cool, you beat Level 0! You win!"};
    EXPECT_EQ(boxes.texts, expected);
    EXPECT_TRUE(game.host().ended());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(label(1), "Cards: 0") << "no rebuild after the end";
    EXPECT_EQ(label(0), "Level: 1") << "the level label is not rewritten";
    const auto before = colours();
    click(2);
    EXPECT_EQ(colours(), before) << "an ended game handles no click";
}

TEST_F(LevelFlowWidget, ResetFromTheMenuBarDealsTheSameLevelAfreshWithNoSelection) {
    const QPoint position = window().pos();
    click(5);
    ASSERT_TRUE(game.controls().Frame().visible());
    const auto before = colours();
    clickReset();
    EXPECT_FALSE(game.controls().Frame().visible());
    EXPECT_EQ(label(0), "Level: 1");
    EXPECT_EQ(label(1), "Cards: 15");
    EXPECT_NE(colours(), before);
    EXPECT_EQ(window().pos(), position);
    EXPECT_EQ(QApplication::focusWidget(), window().cardButton(5)) << "focus stays on card 5";
}

}  // namespace
}  // namespace diruvari::test
