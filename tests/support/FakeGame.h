#pragma once

#include <string>

#include "FakeControls.h"
#include "FakeRuntime.h"
#include "game/Form1.h"

namespace diruvari::test {

// The form on fake controls and a fake runtime, wired as the window wires
// them: showing the window runs Form_Load.
struct FakeGame {
    FakeGame();

    // The first load, dealing this board (level 1, three colours).
    void load(const std::string& board);
    // Puts the board on the cards as they stand, without a deal.
    void setBoard(const std::string& board);
    std::string board() const;
    // The clicks that end in the game's end return true.
    bool click(int index);

    FakeControls controls;
    FakeRuntime runtime{controls};
    Form1 form{controls, runtime};
};

}  // namespace diruvari::test
