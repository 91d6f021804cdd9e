// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/ColorValue.h"
#include "window/Design.h"

namespace diruvari {

// A rectangle of whole pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

struct Band {
    PixelRect rect;
    ColorValue color;
};

// The selection frame's outline: its outer edge, and how wide each side is.
struct Ring {
    PixelRect outer;
    int left;
    int top;
    int right;
    int bottom;

    // The four sides as rectangles: top, left, bottom, right.
    std::array<PixelRect, 4> sides() const;
};

// Every rectangle that a view paints, for a scale: 1 in logical pixels (Qt,
// which scales them to the screen), the window's DPI over 96 on Windows,
// the page's zoom in CSS pixels. All of them are rounded in one way: the
// design's twips become whole logical pixels, 15 to a pixel, and each edge
// is then scaled and rounded on its own, so that rectangles that meet in the
// design meet on the screen, and a size is the distance of its two edges.
class Drawing {
  public:
    explicit Drawing(double scale = 1) : scale_(scale) {}

    double scale() const { return scale_; }
    static int logical(Twips twips);
    // A place in logical pixels as a whole pixel at this scale.
    int pixels(int logical) const;
    PixelRect place(int left, int top, int width, int height) const;
    PixelRect rect(Twips left, Twips top, Twips width, Twips height) const;

    PixelRect client() const;
    PixelRect card(Twips left, Twips top) const;
    // Label 0 is Level, 1 Cards, 2 Colors.
    PixelRect label(int i) const;
    double labelFontSize() const;
    int labelFontPixels() const;

    // The bevel's line: bevelWidth logical pixels, never less than a pixel.
    int line() const;
    // The bevel of a card whose face is `face`, in the order they are
    // painted over its colour: the outer sides, then the inner ones, each
    // top, left, bottom, right.
    std::array<Band, 8> bevel(const PixelRect& face, bool pressed) const;
    // Where the focus rectangle lies on a card's face.
    PixelRect focus(const PixelRect& face) const;
    // The selection frame's outline around its square at `left`, `top`.
    Ring ring(Twips left, Twips top) const;

  private:
    double scale_;
};

}  // namespace diruvari
