// SPDX-License-Identifier: MIT
#pragma once

#include "window/Design.h"

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

// The card one step away, or -1 past the board's edge.
enum class Step { Left, Right, Up, Down };
constexpr int neighbourCard(int k, Step step) {
    switch (step) {
        case Step::Left:
            return cardColumn(k) > 0 ? k - 1 : -1;
        case Step::Right:
            return cardColumn(k) < gridSize - 1 ? k + 1 : -1;
        case Step::Up:
            return cardRow(k) > 0 ? k - gridSize : -1;
        case Step::Down:
            return cardRow(k) < gridSize - 1 ? k + gridSize : -1;
    }
    return -1;
}

}  // namespace diruvari
