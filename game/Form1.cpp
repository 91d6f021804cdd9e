// SPDX-License-Identifier: MIT
#include "game/Form1.h"

#include "game/ColorDraw.h"
#include "runtime/Fault.h"
#include "runtime/NumberText.h"
#include "window/Palette.h"
#include "window/loadobj.h"

namespace diruvari {

Form1::Form1(Controls& controls, Runtime& runtime) : controls_(controls), runtime_(runtime) {}

void Form1::Form_Load() {
    runtime_.randomize();
    loadobj(controls_);
    setlvlvar();
    start();
}

void Form1::setlvlvar() {
    for (const LevelRow& row : levelRows) {
        lvlcards[static_cast<std::size_t>(row.level)] = row.cards;
        lvlcolors[static_cast<std::size_t>(row.level)] = row.colors;
    }
}

void Form1::start() {
    lvl = static_cast<std::int16_t>(lvl + 1);
    if (lvl == 10) {
        lvl = 0;
    }
    cardsleft = lvlcards[level()];
    controls_.Cards().setCaption("Cards:" + numberText(cardsleft));
    controls_.Colors().setCaption("Colors:" + numberText(lvlcolors[level()]));
    controls_.Level().setCaption("Level:" + numberText(lvl));
    for (int i = 0; i < Controls::cardCount; ++i) {
        controls_.Card(i).setBackColor(drawColor());
    }
}

std::size_t Form1::level() const {
    if (lvl < 0 || lvl > 9) {
        fault("level number outside 0-9");
    }
    return static_cast<std::size_t>(lvl);
}

ColorValue Form1::drawColor() {
    const int r = colorDraw(runtime_.nextRandom(), lvlcolors[level()]);
    return palette[static_cast<std::size_t>(r)];
}

}  // namespace diruvari
