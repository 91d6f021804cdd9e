// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/ColorValue.h"

namespace diruvari {

// What a screen reader says of card k: its colour and place, counted from 1,
// as in "Red card, row 1, column 2".
std::string cardName(int k, ColorValue color);

}  // namespace diruvari
