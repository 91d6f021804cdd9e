// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <random>

#include "GameWindowTest.h"
#include "Seed.h"
#include "runtime/NumberText.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"

namespace diruvari::test {
namespace {

// What the player can see of the game, and the rules' own state.
struct Snapshot {
    std::vector<ColorValue> colours;
    bool frame;
    std::string tag;
    QString level, cards, colors;
    int lvl, cardsleft;
    bool operator==(const Snapshot&) const = default;
};

class Storm : public GameWindowTest {
  protected:
    Snapshot snapshot() {
        return {colours(),
                game.controls().Frame().visible(),
                game.controls().Frame().tag(),
                label(0),
                label(1),
                label(2),
                game.form().lvl,
                game.form().cardsleft};
    }

    QPoint cardInWindow(int k) { return window().surface()->mapTo(&window(), cardCentre(k)); }
    void mouseOnCard(int k) {
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, cardInWindow(k));
    }
    void spaceOnCard(int k) {
        window().cardButton(k)->setFocus();
        QTest::keyClick(window().cardButton(k), Qt::Key_Space);
    }

    // A card worth clicking: the selected card's same-coloured neighbour
    // when there is one, so that pairs are made and levels won.
    int chooseCard(std::mt19937& random) {
        const auto any = std::uniform_int_distribution<int>(0, 15)(random);
        if (!game.controls().Frame().visible()) {
            return any;
        }
        const int s = std::stoi(game.controls().Frame().tag());
        for (const int t : {s - 4, s + 4, s % 4 > 0 ? s - 1 : -1, s % 4 < 3 ? s + 1 : -1}) {
            if (t >= 0 && t < 16 && colours()[t] == colours()[s] && random() % 4 != 0) {
                return t;
            }
        }
        return any;
    }

    void expectLabelsMatchTheRules() {
        ASSERT_EQ(label(0).toStdString(), "Level:" + numberText(game.form().lvl));
        ASSERT_EQ(label(1).toStdString(), "Cards:" + numberText(game.form().cardsleft));
        ASSERT_EQ(label(2).toStdString(),
                  "Colors:" + numberText(game.form().lvlcolors.at(game.form().lvl)));
    }
};

TEST_F(Storm, RandomClicksResetsAndKeysNeverBreakTheWindow) {
    const std::uint32_t seed = testSeed();
    SCOPED_TRACE(seedNote(seed));
    std::mt19937 random(seed);
    int blocked = 0;
    // Input while a box is open must not reach the board, whatever its path.
    boxes.whileOpen = [&](QMessageBox&) {
        const Snapshot before = snapshot();
        const int k = static_cast<int>(random() % 16);
        mouseOnCard(k);
        window().cardButton(k)->click();
        spaceOnCard(k);
        window().resetAction()->trigger();
        EXPECT_TRUE(snapshot() == before) << "input reached the board behind a box";
        blocked += 4;
    };
    constexpr int events = 10000;
    for (int i = 0; i < events && !game.host().ended(); ++i) {
        const auto roll = random() % 100;
        if (roll < 3) {
            clickReset();
        } else if (roll < 13) {
            spaceOnCard(chooseCard(random));
        } else {
            mouseOnCard(chooseCard(random));
        }
        expectLabelsMatchTheRules();
        if (HasFatalFailure()) {
            FAIL() << "after event " << i;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().findChildren<CardButton*>().size(), 16);
    EXPECT_EQ(visibleCards(), 16);
    std::cout << events << " events, " << boxes.texts.size() << " boxes, " << blocked
              << " inputs sent while a box was open, ended on level " << game.form().lvl << "\n";
    EXPECT_GT(boxes.texts.size(), 0U);
}

}  // namespace
}  // namespace diruvari::test
