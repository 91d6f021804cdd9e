// SPDX-License-Identifier: MIT
#include "game/Form1.h"

#include <cmath>

#include "runtime/Fault.h"
#include "runtime/NumberText.h"
#include "window/Grid.h"

namespace diruvari {

namespace {

// The selection frame's square starts at the card's grid cell.
void placeFrame(FrameControl& frame, std::int16_t Index) {
    const double col = Index - std::floor(Index / 4.0) * 4;
    const double row = (Index - col) / 4;
    frame.setLeft(static_cast<Twips>(gridPitch * col));
    frame.setTop(static_cast<Twips>(gridPitch * row));
    frame.setTag(integerText(Index));
}

bool areNeighbours(double t, std::int16_t Index) {
    const bool inColumn = t == Index + 4 || t == Index - 4;
    const bool sideBySide = t == Index + 1 || t == Index - 1;
    const bool sameRow = std::floor(t / 4) == std::floor(Index / 4.0);
    return inColumn || (sideBySide && sameRow);
}

}  // namespace

Task Form1::Card_Click(std::int16_t Index) {
    FrameControl& frame = controls_.Frame();
    if (!frame.visible()) {
        frame.setVisible(true);
        placeFrame(frame, Index);
    } else {
        const auto t = textToDouble(frame.tag());
        const auto s = textToInt16(frame.tag());
        // Every path that shows the frame names a card in its tag; a tag that
        // names none is a fault to report, never one to paper over.
        if (!t || !s || *s < 0 || *s >= Controls::cardCount) {
            fault("the selection frame shows, but its tag \"" + frame.tag() + "\" names no card");
        }
        const bool neighbours = areNeighbours(*t, Index);
        const bool sameColor = controls_.Card(*s).backColor() == controls_.Card(Index).backColor();
        if (neighbours && sameColor) {
            frame.setVisible(false);
            controls_.Card(*s).setBackColor(drawColor());
            cardsleft = static_cast<std::int16_t>(cardsleft - 1);
            controls_.Cards().setCaption("Cards:" + numberText(cardsleft));
            if (cardsleft == 0) {
                co_await nextlevel();
            }
        } else {
            placeFrame(frame, Index);
        }
    }
    co_await colorcheck();
}

}  // namespace diruvari
