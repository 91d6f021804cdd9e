// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "runtime/ColorValue.h"

namespace diruvari::test {

// Boards as text, one letter a card in index order, blanks ignored:
// "RGBR GBRG BRGB RGBR". R G B Y M C are the palette's colours, W is white.
std::vector<ColorValue> boardColors(const std::string& board);
std::string boardText(const std::vector<ColorValue>& colors);
// Palette indices of a board's letters, as draws.
std::vector<int> boardDraws(const std::string& board);

// Every pair of cards one step apart in a row or a column, and how many of
// them share a colour on a board: counted from the board's geometry alone,
// as a check on the rules' own scan.
const std::vector<std::pair<int, int>>& neighbourPairs();
int movesOn(const std::vector<ColorValue>& colors);

}  // namespace diruvari::test
