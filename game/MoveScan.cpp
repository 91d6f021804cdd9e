// SPDX-License-Identifier: MIT
#include "game/Form1.h"

namespace diruvari {

Task Form1::colorcheck() {
    int moves = 0;
    for (int a = 0; a <= 2; ++a) {
        for (int b = 0; b <= 3; ++b) {
            const int inRow = a + 4 * b;
            if (controls_.Card(inRow).backColor() == controls_.Card(inRow + 1).backColor()) {
                ++moves;
            }
            const int inColumn = b + 4 * a;
            if (controls_.Card(inColumn).backColor() == controls_.Card(inColumn + 4).backColor()) {
                ++moves;
            }
        }
    }
    if (moves == 0) {
        co_await runtime_.messageBox("Sorry, there are no more moves.");
        mnuReset_Click();
    }
}

}  // namespace diruvari
