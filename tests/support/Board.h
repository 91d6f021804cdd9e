// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "runtime/ColorValue.h"

namespace diruvari::test {

// Boards as text, one letter a card in index order, blanks ignored:
// "RGBR GBRG BRGB RGBR". R G B Y M C are the palette's colours, W is white.
std::vector<ColorValue> boardColors(const std::string& board);
std::string boardText(const std::vector<ColorValue>& colors);
// Palette indices of a board's letters, as draws.
std::vector<int> boardDraws(const std::string& board);

}  // namespace diruvari::test
