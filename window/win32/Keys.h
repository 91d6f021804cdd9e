// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "runtime/host/Keys.h"

namespace diruvari {

// A key message as the host takes it: the key, the physical key (keypad
// Enter apart from Return, by the extended-key bit), the message's time and
// the modifiers held. The key's own repeat bit is never asked: the host
// tells repeats.
KeyEvent keyEventOf(const MSG& msg);

}  // namespace diruvari
