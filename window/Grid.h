#pragma once

#include "window/Controls.h"

namespace diruvari {

// The board's geometry: a 4 x 4 grid of 450-twip cards on a 495-twip pitch,
// with a 45-twip margin before each card.
inline constexpr int gridSize = 4;
inline constexpr Twips gridPitch = 495;
inline constexpr Twips cardSize = 450;
inline constexpr Twips cardMargin = 45;

constexpr int cardColumn(int k) {
    return k % gridSize;
}
constexpr int cardRow(int k) {
    return k / gridSize;
}
constexpr int cardIndex(int col, int row) {
    return col + gridSize * row;
}

}  // namespace diruvari
