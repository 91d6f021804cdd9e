// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// XKB "detectable autorepeat" for this connection: a held key's repeats
// come as presses alone. `on` false restores the default. False where the
// server refused, or the program is no X client.
bool setDetectableAutoRepeat(bool on);

}  // namespace diruvari
