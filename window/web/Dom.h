// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/ColorValue.h"
#include "runtime/host/Keys.h"
#include "window/Controls.h"

namespace diruvari::dom {

// What the host answers the page for a key, as one number: the act times
// answerBase, plus the card it names.
inline constexpr int answerBase = 16;
static_assert(answerBase >= Controls::cardCount, "a card must fit below the base");
constexpr int pageAnswer(const KeyAnswer& answer) {
    return static_cast<int>(answer.act) * answerBase + (answer.card >= 0 ? answer.card : 0);
}

// The page's side of the window: each call changes the document at once.
// Positions and sizes are in CSS pixels.

// The build's name, which the program that links this layer defines.
const char* buildId();

// Builds the window from its design's figures, hidden.
void buildWindow();
void showWindow();
// Takes the window off the page and offers to start the game again.
void closeWindow();

void paintCard(int k, ColorValue color, const std::string& name);
void placeCard(int k, double left, double top);
void showCard(int k, bool visible);
void markCard(int k, bool selected);
void placeFrame(bool visible, double left, double top);
void setLabel(int i, const std::string& text);
// Tells screen readers the news, through a polite live region.
void announce(const std::string& news);

// Opens a modal dialog with the prompt and OK; the page reports its
// closing (OK, or Escape, which acts as OK) through diruvari_box_answered.
void showBox(const std::string& prompt);
// The game stopped on a fault: the page says so to the player.
void gameStopped();

void focusCard(int k);
int focusedCard();

}  // namespace diruvari::dom
