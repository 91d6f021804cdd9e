// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "FakeControls.h"
#include "FakeToolkit.h"
#include "ScriptedRandom.h"
#include "runtime/host/Host.h"

namespace diruvari::test {

// The real host and window runtime on the fake window layer, with scripted
// random numbers: everything but the toolkit is the program's own.
struct FakeGame {
    FakeGame() : FakeGame(std::make_unique<ScriptedRandom>()) {}

    // The first load, dealing this board (level 1, three colours).
    void load(const std::string& board);
    // Puts the board on the cards as they stand, without a deal.
    void setBoard(const std::string& board);
    std::string board() const;
    // A click through the host; true once the game has ended.
    bool click(int index);
    // "Reset" through the host.
    void reset() { host.resetChosen(); }
    // Rebuilds since the first load.
    int rebuilds() const { return toolkit.shows - 1; }
    // Counts rebuilds from here on.
    void forgetRebuilds() { toolkit.shows = 1; }
    const std::vector<std::string>& prompts() const { return toolkit.prompts; }

    FakeToolkit toolkit;
    FakeControls& controls = toolkit.fakeControls;
    ScriptedRandom& random;
    Host host;
    Form1& form = host.form();

  private:
    explicit FakeGame(std::unique_ptr<ScriptedRandom> scripted)
        : random(*scripted), host(toolkit, std::move(scripted)) {}
};

// The level table's row of level `lvl`, 0-9, as the rules have it.
const Form1::LevelRow& levelRow(int lvl);

// What a game must be after every event, whatever happened: a level of the
// table with a count within its quota, labels that say them, cards of the
// level's colours only, and a frame on the card its tag names. The first
// invariant that does not hold, or "" when all do.
std::string brokenInvariant(const Form1& form, const FakeControls& controls);

}  // namespace diruvari::test
