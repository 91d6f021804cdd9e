// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// The labels' face: the designed one, else the bundled blackletter one;
// null, said on standard error, only where the bundled one did not load.
const char* labelFace(bool designedInstalled, bool bundledLoaded);

}  // namespace diruvari
