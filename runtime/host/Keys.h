// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace diruvari {

// A key as the host sees it; Activate is Space, Return and Enter.
enum class Key { Left, Right, Up, Down, Activate, Escape, Other };

// The toolkit's time of a key event. Only equality counts: X stamps an
// autorepeat's release and press alike, Qt on Wayland its repeats with the
// first press's. 0 is none (keys re-posted by Qt's accessibility bridge).
using KeyTime = std::int64_t;
constexpr KeyTime noKeyTime = 0;

// One transition of a physical key. `code` tells physical keys apart in the
// toolkit's terms; `repeat` is the toolkit's own mark, never a guess.
struct KeyEvent {
    Key key;
    int code;
    KeyTime time;
    bool repeat = false;
    // Every repeat is marked (Qt on Wayland): an unmarked down is a fresh
    // press even without its up, which a modal box may swallow.
    bool marksRepeats = false;
    // Modifier bits; the host decides which make a shortcut.
    unsigned modifiers = 0;
};

// Added to the code of keypad Enter, to tell it from Return.
inline constexpr int keypadCode = 0x100;

enum Modifier : unsigned { Ctrl = 1U, Alt = 2U, Meta = 4U, Shift = 8U };

// What the toolkit does with a key event, as the host decided it.
struct KeyAnswer {
    enum class Act {
        Native,   // the toolkit handles it as it would without the game
        Swallow,  // nobody sees it
        Focus,    // the focus moves to `card`
        Click,    // `card` is clicked, as by the mouse
        Answer,   // the box that stands is answered, as by OK
    };
    Act act = Act::Native;
    int card = -1;

    bool operator==(const KeyAnswer&) const = default;
};

// Does what the answer says with the toolkit's focus(k), click(k) and
// answer(); true when nothing else of the toolkit may see the event.
template <typename Focus, typename Click, typename Answer>
bool carryOut(const KeyAnswer& answer, Focus&& focus, Click&& click, Answer&& answerBox) {
    switch (answer.act) {
        case KeyAnswer::Act::Native:
            return false;
        case KeyAnswer::Act::Focus:
            focus(answer.card);
            break;
        case KeyAnswer::Act::Click:
            click(answer.card);
            break;
        case KeyAnswer::Act::Answer:
            answerBox();
            break;
        case KeyAnswer::Act::Swallow:
            break;
    }
    return true;
}

}  // namespace diruvari
