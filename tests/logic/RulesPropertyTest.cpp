// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>

#include "Board.h"
#include "FakeGame.h"
#include "Seed.h"
#include "game/ColorDraw.h"
#include "window/Palette.h"

namespace diruvari::test {
namespace {

const std::string deadBox = "Sorry, there are no more moves.";

bool neighbours(int a, int b) {
    return std::abs(a / 4 - b / 4) + std::abs(a % 4 - b % 4) == 1;
}

using Colours = std::vector<ColorValue>;

// Random play against the fakes with a real generator. The player keeps its
// own account of what the game must show (level, count, selection) and
// checks the game against it after every event.
//
// Repaints at random soon leave no pair on boards of five or six colours, so
// a player who plays blind almost never clears the last levels. This one
// mostly looks ahead at the generator's next number and pairs where the
// repaint leaves the most pairs on the board; now and then it clicks at
// random instead.
class RandomPlay {
  public:
    explicit RandomPlay(std::uint32_t seed) : random_(seed), generatorSeed_(seed) { newGame(); }

    void step();
    int wins() const { return wins_; }
    int levelsWon() const { return levelsWon_; }

  private:
    void newGame();
    void reset();
    void click(int k);
    int chooseCard();
    // The pair whose repaint leaves the most pairs, or none.
    std::optional<std::pair<int, int>> bestPair();
    ColorValue colour(int k) const { return game_->controls.Card(k).backColor(); }
    Colours board() const;
    int moves() const { return movesOn(board()); }
    void check();
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::mt19937 random_;
    std::uint64_t generatorSeed_;
    std::unique_ptr<FakeGame> game_;
    int level_ = 1;
    int cardsleft_ = 15;
    std::optional<int> selected_;
    std::optional<std::pair<int, int>> plan_;
    int wins_ = 0;
    int levelsWon_ = 0;
};

void RandomPlay::newGame() {
    game_ = std::make_unique<FakeGame>();
    game_->view.logging = false;
    const std::uint64_t clock = generatorSeed_++;
    game_->random.useGenerator(Generator([clock] { return clock; }));
    game_->host.start();
    level_ = 1;
    cardsleft_ = 15;
    selected_.reset();
    check();
}

Colours RandomPlay::board() const {
    Colours colours;
    for (int k = 0; k < 16; ++k) {
        colours.push_back(colour(k));
    }
    return colours;
}

std::optional<std::pair<int, int>> RandomPlay::bestPair() {
    const auto u = game_->random.peek();
    if (!u) {
        return std::nullopt;
    }
    const ColorValue next =
        palette[static_cast<std::size_t>(colorDraw(*u, levelRow(level_).colors))];
    Colours colours = board();
    std::optional<std::pair<int, int>> best;
    int most = -1;
    for (const auto& [a, b] : neighbourPairs()) {
        if (colours[a] != colours[b]) {
            continue;
        }
        // Either card of the pair may be the one selected, and repainted.
        for (const auto& [s, t] : {std::pair{a, b}, std::pair{b, a}}) {
            const ColorValue old = colours[s];
            colours[s] = next;
            const int after = movesOn(colours);
            colours[s] = old;
            if (after > most) {
                most = after;
                best = std::pair{s, t};
            }
        }
    }
    return best;
}

int RandomPlay::chooseCard() {
    if (chance(0.1)) {
        return pick(16);
    }
    if (selected_ && plan_ && plan_->first == *selected_) {
        return plan_->second;
    }
    plan_ = bestPair();
    return plan_ ? plan_->first : pick(16);
}

void RandomPlay::step() {
    game_->view.prompts.clear();
    if (chance(0.0005)) {
        reset();
    } else {
        click(chooseCard());
    }
}

void RandomPlay::reset() {
    game_->form.mnuReset_Click();
    cardsleft_ = levelRow(level_).cards;
    selected_.reset();
    check();
}

void RandomPlay::click(int k) {
    const bool pairs = selected_ && neighbours(*selected_, k) && colour(*selected_) == colour(k);
    const int rebuilds = game_->rebuilds();
    game_->click(k);
    while (game_->view.boxStanding) {
        if (game_->prompts().back() == deadBox) {
            ASSERT_EQ(moves(), 0) << "reported dead: " << game_->board();
        }
        game_->view.answerBox();
    }
    if (game_->host.ended()) {
        ASSERT_TRUE(pairs && level_ == 0 && cardsleft_ == 1) << "the game ended early";
        ++wins_;
        newGame();
        return;
    }
    selected_ = pairs ? std::nullopt : std::optional<int>(k);
    cardsleft_ -= pairs ? 1 : 0;
    if (cardsleft_ == 0) {
        level_ = (level_ + 1) % 10;
        ++levelsWon_;
    }
    const bool dead = !game_->view.prompts.empty() && game_->view.prompts.back() == deadBox;
    if (cardsleft_ == 0 || dead) {
        cardsleft_ = levelRow(level_).cards;
        selected_.reset();
    } else {
        ASSERT_EQ(game_->rebuilds(), rebuilds) << "a rebuild with nothing to cause it";
        ASSERT_GT(moves(), 0) << "a dead board went unreported: " << game_->board();
    }
    check();
}

void RandomPlay::check() {
    ASSERT_EQ(brokenInvariant(game_->form, game_->controls), "");
    ASSERT_EQ(game_->form.lvl, level_);
    ASSERT_EQ(game_->form.cardsleft, cardsleft_);
    ASSERT_EQ(game_->controls.Frame().visible(), selected_.has_value());
    if (selected_) {
        ASSERT_EQ(game_->controls.Frame().tag(), std::to_string(*selected_));
    }
}

TEST(RulesProperty, AMillionRandomEventsKeepEveryInvariant) {
    const std::uint32_t seed = testSeed();
    SCOPED_TRACE(seedNote(seed));
    RandomPlay play(seed);
    constexpr int events = 1'000'000;
    for (int i = 0; i < events; ++i) {
        play.step();
        if (testing::Test::HasFatalFailure()) {
            FAIL() << "after event " << i;
        }
    }
    std::cout << events << " events, " << play.levelsWon() << " levels won, " << play.wins()
              << " whole games won\n";
    EXPECT_GE(play.wins(), 1);
}

}  // namespace
}  // namespace diruvari::test
