// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <vector>

#include "WidgetSupport.h"
#include "window/qt/QtGame.h"

namespace diruvari::test {

// The real game window, shown offscreen and active, with a generator read
// from a fixed clock.
class GameWindowTest : public testing::Test {
  protected:
    void SetUp() override;

    MainWindow& window() { return game.window(); }
    // The Level, Cards and Colors labels' texts, by position 0-2.
    QString label(int i);
    void click(int k);
    // A mouse click on "Reset" on the menu bar.
    void clickReset();
    // Makes the next pair of cards 0 and 1 the last one of the level.
    void oneMoreToGo(int level);
    int visibleCards();
    // Runs the event loop as main() does, with `action` as its first event,
    // and returns the loop's exit status (7 if it never ended).
    int runWith(const std::function<void()>& action);
    std::vector<ColorValue> colours();

    QtGame game{std::make_unique<Generator>([] { return std::uint64_t{2024}; })};
    // Every box that opens is answered, so no test can hang in one.
    BoxDismisser boxes;
};

}  // namespace diruvari::test
