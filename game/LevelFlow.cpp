// SPDX-License-Identifier: MIT
#include "game/Form1.h"
#include "runtime/NumberText.h"

namespace diruvari {

Task Form1::nextlevel() {
    co_await runtime_.messageBox("Wow! You beat level" + numberText(lvl) + "!");
    if (lvl == 0) {
        co_await runtime_.messageBox("Cool, you beat Level 0! You win!");
        co_await runtime_.end();
    }
    // lvl still holds the level just won, so the load moves on to the next.
    runtime_.rebuildWindow();
}

void Form1::mnuReset_Click() {
    // The load adds the 1 back, so the same level starts afresh.
    lvl = static_cast<std::int16_t>(lvl - 1);
    runtime_.rebuildWindow();
}

}  // namespace diruvari
