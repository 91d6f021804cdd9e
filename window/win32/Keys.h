// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "runtime/host/Keys.h"

namespace diruvari {

// A key message as the host takes it; keypad Enter by the extended-key
// bit. The message's repeat bit is never asked: the host tells repeats.
KeyEvent keyEventOf(const MSG& msg);

}  // namespace diruvari
