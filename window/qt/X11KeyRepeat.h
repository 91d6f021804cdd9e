// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// Asks the X server to send a held key's repeats as presses alone, with no
// release before each: the XKB "detectable autorepeat" flag, for this
// program's connection only. A held key is then simply a key still down,
// whatever time each event carries. `on` false gives back the server's
// default. True when the flag is now on; false where the server refused it,
// or where the program is no X client at all.
bool setDetectableAutoRepeat(bool on);

}  // namespace diruvari
