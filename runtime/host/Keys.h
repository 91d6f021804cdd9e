// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace diruvari {

// A key as the host sees it: the arrows, the keys that click the focused
// card (Space, Return and Enter), Escape, and every other key.
enum class Key { Left, Right, Up, Down, Activate, Escape, Other };

// The toolkit's own time of a key event, in its own unit. Only equality
// counts: the X server stamps the release and the press of an autorepeat
// with the same time, and Qt on Wayland stamps its own repeats with the
// first press's. 0 is no time at all: the copies of keys that Qt's
// accessibility bridge posts once a screen reader has let them pass carry
// none.
using KeyTime = std::int64_t;
constexpr KeyTime noKeyTime = 0;

// One transition of a physical key as the toolkit saw it. `code` tells the
// physical keys apart (Return from Enter, say) in the toolkit's own terms.
// `repeat` is the toolkit's own mark of a repeat, set only where that mark
// is made by the toolkit itself and not guessed from what is queued.
struct KeyEvent {
    Key key;
    int code;
    KeyTime time;
    bool repeat = false;
    // The toolkit marks every repeat it delivers (Qt on Wayland repeats keys
    // itself): a down without the mark is then a fresh press, even when the
    // key's up never came. A modal box that takes the keyboard in the middle
    // of a press swallows that up on Wayland.
    bool marksRepeats = false;
    // The modifiers held, as the toolkit reports them (Modifier bits): the
    // host decides which of them make a key a shortcut.
    unsigned modifiers = 0;
};

// Added to a key's code where the toolkit tells a second key of the same
// name apart (keypad Enter from Return: Win32 by the extended-key bit, the
// page by KeyboardEvent.code).
inline constexpr int keypadCode = 0x100;

// The modifier keys, as bits of KeyEvent::modifiers.
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

// Does what the answer says, with the toolkit's own focus(k), click(k) and
// answer(). True when the event is done with: nothing else of the toolkit
// may see it.
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
