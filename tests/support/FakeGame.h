// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "RecordingView.h"
#include "ScriptedRandom.h"
#include "runtime/host/Host.h"

namespace diruvari::test {

// The real host and controls on a recording view, with scripted random
// numbers: everything but the toolkit is the program's own.
struct FakeGame {
    FakeGame() : FakeGame(std::make_unique<ScriptedRandom>()) {}

    // The first load, dealing this board (level 1, three colours).
    void load(const std::string& board);
    // Puts the board on the cards as they stand, without a deal.
    void setBoard(const std::string& board);
    std::string board() const;
    // A click through the host; true once the game has ended.
    bool click(int index);
    // A click, then every box it opens answered: true once the game has ended.
    bool clickThrough(int index);
    // "Reset" through the host.
    void reset() { host.resetChosen(); }
    // Answers each box as it stands, until none does, as a player would:
    // the number of boxes answered.
    int answer();
    // Rebuilds since the first load.
    int rebuilds() const { return view.shows - 1; }
    // Counts rebuilds from here on.
    void forgetRebuilds() { view.shows = 1; }
    const std::vector<std::string>& prompts() const { return view.prompts; }

    RecordingView view;
    ScriptedRandom& random;
    Host host;
    Form1& form = host.form();
    Controls& controls = host.controls();

  private:
    explicit FakeGame(std::unique_ptr<ScriptedRandom> scripted)
        : random(*scripted), host(view, std::move(scripted)) {
        view.host = &host;
    }
};

// The level table's row of level `lvl`, 0-9, as the rules have it.
const Form1::LevelRow& levelRow(int lvl);

// What a game must be after every event, whatever happened: a level of the
// table with a count within its quota, labels that say them, cards of the
// level's colours only, and a frame on the card its tag names. The first
// invariant that does not hold, or "" when all do.
std::string brokenInvariant(const Form1& form, const Controls& controls);

}  // namespace diruvari::test
