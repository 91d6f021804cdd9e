// SPDX-License-Identifier: MIT
#include "game/Form1.h"
#include "runtime/NumberText.h"

namespace diruvari {

void Form1::nextlevel() {
    runtime_.messageBox("Wow! You beat level" + numberText(lvl) + "!");
    if (lvl == 0) {
        runtime_.messageBox("Cool, you beat Level 0! You win!");
        runtime_.end();
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
