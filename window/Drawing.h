// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/ColorValue.h"
#include "window/Design.h"

namespace diruvari {

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

// Every rectangle that a view paints, for a scale (1 on Qt, DPI/96 on
// Windows, the page's zoom). Twips become whole logical pixels, 15 to one,
// then each edge is scaled and rounded on its own: what meets in the design
// meets on the screen.
class Drawing {
  public:
    explicit Drawing(double scale = 1) : scale_(scale) {}

    double scale() const { return scale_; }
    static int logical(Twips twips);
    int pixels(int logical) const;
    PixelRect place(int left, int top, int width, int height) const;
    PixelRect rect(Twips left, Twips top, Twips width, Twips height) const;

    PixelRect client() const;
    PixelRect card(Twips left, Twips top) const;
    // Label 0 is Level, 1 Cards, 2 Colors.
    PixelRect label(int i) const;
    double labelFontSize() const;
    int labelFontPixels() const;

    // The bevel's line, at least a pixel; its bands in painting order, outer
    // then inner, each top, left, bottom, right.
    int line() const;
    std::array<Band, 8> bevel(const PixelRect& face, bool pressed) const;
    PixelRect focus(const PixelRect& face) const;
    // The selection frame's outline around its square.
    Ring ring(Twips left, Twips top) const;

  private:
    double scale_;
};

}  // namespace diruvari
