// SPDX-License-Identifier: MIT
#pragma once

#include "window/Controls.h"

namespace diruvari {

// Card 0's design properties, which every created card takes over: white,
// at the first grid place.
void resetCardToDesign(CardControl& card, bool visible);

// Unloads the window's controls: cards 1-15 go, and card 0, the frame and
// the labels return to their design, the frame hidden with an empty tag.
void returnToDesign(Controls& controls);

}  // namespace diruvari
