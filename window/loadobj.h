// SPDX-License-Identifier: MIT
#pragma once

#include "window/Controls.h"

namespace diruvari {

// Completes the board: creates cards 1-15 column by column and places all
// sixteen on the grid, visible.
void loadobj(Controls& controls);

}  // namespace diruvari
