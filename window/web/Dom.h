// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/ColorValue.h"
#include "runtime/host/Keys.h"
#include "window/Controls.h"
#include "window/Drawing.h"

namespace diruvari::dom {

// What the host answers the page for a key, as one number: the act times
// answerBase, plus the card it names.
inline constexpr int answerBase = 16;
static_assert(answerBase >= Controls::cardCount, "a card must fit below the base");
constexpr int pageAnswer(const KeyAnswer& answer) {
    return static_cast<int>(answer.act) * answerBase + (answer.card >= 0 ? answer.card : 0);
}

// The page's side of the window: each call changes the document at once.
// Places and sizes are in CSS pixels.

// The build's name, which the program that links this layer defines.
const char* buildId();

// Builds the window's elements from the design's names and the host's key
// and act numbers, hidden and in no place yet.
void buildWindow();
void showWindow();
// Takes the window off the page and offers to start the game again; after
// a fault, the page says that the game stopped.
void endWindow(bool stopped);

// The viewport, for the window's scale.
double viewportWidth();
double viewportHeight();
bool touchScreen();

// The sizes that the style sheet takes as its variables, and the window's
// place in the viewport.
struct Metrics {
    PixelRect client;
    int menuBar;
    int border;
    int line;
    int focusInset;
    double labelSize;
    double menuFont;
    int left;
    int top;
};
void setMetrics(const Metrics& metrics);

enum class Part { Card, Label, Frame };
void place(Part part, int k, const PixelRect& rect);
// The frame's outline, as the widths of its four sides.
void ringSides(const Ring& ring);

void paintCard(int k, ColorValue color, const std::string& name);
void showCard(int k, bool visible);
void markCard(int k, bool selected);
void showFrame(bool visible);
void setLabel(int i, const std::string& text);
// Tells screen readers the news, through a polite live region.
void announce(const std::string& news);

// Opens a modal dialog with the prompt and OK; the page reports its closing
// through diruvari_box_answered.
void showBox(const std::string& prompt);

void focusCard(int k);
int focusedCard();

}  // namespace diruvari::dom
