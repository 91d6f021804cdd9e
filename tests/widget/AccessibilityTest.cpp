// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

#include "GameWindowTest.h"
#include "window/Palette.h"
#include "window/qt/CardButton.h"

namespace diruvari::test {
namespace {

class Accessibility : public GameWindowTest {
  protected:
    QString accessible(int k, QAccessible::Text what) {
        QAccessibleInterface* card = QAccessible::queryAccessibleInterface(window().cardButton(k));
        return card != nullptr ? card->text(what) : QStringLiteral("(none)");
    }
    QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(Accessibility, EveryCardNamesItsColourAndPlaceAndFollowsItsRepaints) {
    const char* names[] = {"Red", "Green", "Blue", "Yellow", "Magenta", "Cyan"};
    for (int k = 0; k < 16; ++k) {
        const std::size_t r = static_cast<std::size_t>(k) % palette.size();
        game.controls().Card(k).setBackColor(palette.at(r));
        EXPECT_EQ(
            accessible(k, QAccessible::Name),
            QString("%1 card, row %2, column %3").arg(names[r]).arg(k / 4 + 1).arg(k % 4 + 1));
    }
    // A pair repaints card 1 with a fresh draw: its name follows.
    game.controls().Card(1).setBackColor(palette[0]);
    click(1);
    click(0);
    const auto colour = game.controls().Card(1).backColor();
    const auto r = std::find(palette.begin(), palette.end(), colour) - palette.begin();
    EXPECT_EQ(accessible(1, QAccessible::Name), QString("%1 card, row 1, column 2").arg(names[r]));
}

TEST_F(Accessibility, TheSelectedCardIsCheckedAndOnlyIt) {
    const auto checked = [this](int k) {
        const QAccessible::State state =
            QAccessible::queryAccessibleInterface(window().cardButton(k))->state();
        return state.checkable && state.checked;
    };
    click(6);
    EXPECT_TRUE(checked(6));
    game.controls().Card(10).setBackColor(palette[2]);
    game.controls().Card(6).setBackColor(palette[1]);
    click(10);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(checked(k), k == 10) << k;
    }
    click(10);
    EXPECT_TRUE(checked(10)) << "a click on the selected card leaves it as the rules have it";
    clickReset();
    EXPECT_FALSE(checked(10)) << "a rebuild clears the selection";
}

TEST_F(Accessibility, TabRunsThroughTheCardsInIndexOrderFromCardZero) {
    EXPECT_EQ(focused(), window().cardButton(0)) << "the first card takes the focus first";
    QWidget* widget = window().cardButton(0);
    for (int k = 1; k < 16; ++k) {
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible()) {
            widget = widget->nextInFocusChain();
        }
        EXPECT_EQ(widget, window().cardButton(k)) << k;
    }
}

TEST_F(Accessibility, TheArrowsMoveTheFocusThroughTheWindowAndSelectNothing) {
    const struct {
        int from;
        Qt::Key key;
        int to;
    } moves[] = {{5, Qt::Key_Right, 6},
                 {5, Qt::Key_Left, 4},
                 {5, Qt::Key_Up, 1},
                 {5, Qt::Key_Down, 9},
                 {7, Qt::Key_Right, 7}};
    for (const auto& move : moves) {
        window().cardButton(move.from)->setFocus();
        typeKey(window(), move.key);
        EXPECT_EQ(focused(), window().cardButton(move.to)) << move.from << " key " << move.key;
    }
    EXPECT_FALSE(game.controls().Frame().visible());
}

TEST_F(Accessibility, SpaceReturnAndEnterClickTheFocusedCardAndNoOtherKeyDoes) {
    window().cardButton(9)->setFocus();
    for (const int key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_F1}) {
        typeKey(window(), Qt::Key(key));
    }
    typeKey(window(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(game.controls().Frame().visible()) << "a chord or another key clicked";
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        game.controls().Frame().setVisible(false);
        typeKey(window(), key);
        EXPECT_EQ(game.controls().Frame().tag(), "9") << key;
        EXPECT_TRUE(game.controls().Frame().visible()) << key;
    }
}

TEST_F(Accessibility, AKeyHeldIntoTheBoxCannotAnswerItAndAFreshPressDoes) {
    oneMoreToGo(2);
    click(0);
    window().cardButton(1)->setFocus();
    bool stood = false;
    bool answered = false;
    boxes.whileOpen = [&](QMessageBox& box) {
        // A held key arrives as more downs without an up, as Wayland and
        // the offscreen platform send it.
        for (int i = 0; i < 3; ++i) {
            pressKey(box, Qt::Key_Return);
        }
        stood = box.isVisible();
        releaseKey(box, Qt::Key_Return);
        typeKey(box, Qt::Key_Return);
        answered = !box.isVisible();
    };
    pressKey(window(), Qt::Key_Return);
    EXPECT_TRUE(stood) << "a repeat of the Return that made the pair answered the box";
    EXPECT_TRUE(answered) << "a fresh Return left the box standing";
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Wow! You beat level 2!"});
    EXPECT_EQ(label(0), "Level: 3");
}

TEST_F(Accessibility, FocusReturnsToTheSameCardAfterEveryRebuild) {
    window().cardButton(11)->setFocus();
    clickReset();
    EXPECT_EQ(focused(), window().cardButton(11));
    oneMoreToGo(2);
    window().cardButton(1)->setFocus();
    click(0);
    window().cardButton(1)->setFocus();
    typeKey(window(), Qt::Key_Space);
    EXPECT_EQ(label(0), "Level: 3");
    // The window takes the focus back once the level's message box has gone.
    EXPECT_TRUE(QTest::qWaitFor([this] { return focused() != nullptr; }, 2000));
    EXPECT_EQ(focused(), window().cardButton(1)) << "after the level's rebuild";
}

}  // namespace
}  // namespace diruvari::test
