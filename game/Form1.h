// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "runtime/Runtime.h"
#include "runtime/Task.h"
#include "window/Controls.h"

namespace diruvari {

// The game's window class: the form variables and the procedures that run in
// its events. The board's state lives in the controls; the form reads it
// back through them. Controls and runtime are borrowed, not owned. A
// procedure that shows a message box, or calls one that does, is a Task:
// it waits for the box's OK by co_await, and its caller waits for it.
class Form1 {
  public:
    Form1(Controls& controls, Runtime& runtime);

    // Events.
    void Form_Load();
    Task Card_Click(std::int16_t Index);
    void mnuReset_Click();

    // Procedures.
    void setlvlvar();
    void start();
    Task nextlevel();
    Task colorcheck();

    // The level table as setlvlvar writes it, row by row: levels 1 to 9,
    // then 0, each with its quota of pairs and its number of colours.
    struct LevelRow {
        int level;
        std::int16_t cards;
        std::int16_t colors;
    };
    static constexpr std::array<LevelRow, 10> levelRows = {{
        {1, 15, 3},
        {2, 25, 3},
        {3, 15, 4},
        {4, 25, 4},
        {5, 50, 4},
        {6, 25, 5},
        {7, 50, 5},
        {8, 100, 5},
        {9, 50, 6},
        {0, 100, 6},
    }};

    // Form variables; they survive every rebuild of the window. lvl starts
    // empty, which counts as 0, so the first start gives level 1.
    std::int16_t lvl = 0;
    std::int16_t cardsleft = 0;
    std::array<std::int16_t, 10> lvlcards{};
    std::array<std::int16_t, 10> lvlcolors{};

  private:
    // Table row of the current level; lvl is 0-9 whenever a table is read.
    std::size_t level() const;
    ColorValue drawColor();

    Controls& controls_;
    Runtime& runtime_;
};

}  // namespace diruvari
