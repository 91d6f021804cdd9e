// SPDX-License-Identifier: MIT
#include "window/Drawing.h"

#include <algorithm>
#include <cmath>

#include "window/Grid.h"

namespace diruvari {

namespace {

constexpr double twipsPerPixel = static_cast<double>(twipsPerInch) / logicalPixelsPerInch;

// The sides of `r`, `width` pixels wide: top, left, bottom, right.
std::array<PixelRect, 4> sidesOf(const PixelRect& r, int left, int top, int right, int bottom) {
    return {{{r.left, r.top, r.width, top},
             {r.left, r.top, left, r.height},
             {r.left, r.bottom() - bottom, r.width, bottom},
             {r.right() - right, r.top, right, r.height}}};
}

}  // namespace

std::array<PixelRect, 4> Ring::sides() const {
    return sidesOf(outer, left, top, right, bottom);
}

int Drawing::logical(Twips twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

// Halves round up, as the page's Math.round does, on both sides of zero.
int Drawing::pixels(int logical) const {
    return static_cast<int>(std::floor(logical * scale_ + 0.5));
}

PixelRect Drawing::place(int left, int top, int width, int height) const {
    const int x = pixels(left);
    const int y = pixels(top);
    return {x, y, pixels(left + width) - x, pixels(top + height) - y};
}

PixelRect Drawing::rect(Twips left, Twips top, Twips width, Twips height) const {
    return place(logical(left), logical(top), logical(width), logical(height));
}

PixelRect Drawing::client() const {
    return rect(0, 0, clientWidth, clientHeight);
}

PixelRect Drawing::card(Twips left, Twips top) const {
    return rect(left, top, cardSize, cardSize);
}

PixelRect Drawing::label(int i) const {
    const LabelDesign& d = labelDesigns.at(static_cast<std::size_t>(i));
    return rect(d.left, d.top, d.width, d.height);
}

double Drawing::labelFontSize() const {
    return logical(labelFontHeight) * scale_;
}

int Drawing::labelFontPixels() const {
    return pixels(logical(labelFontHeight));
}

int Drawing::line() const {
    return std::max(1, pixels(bevelWidth));
}

std::array<Band, 8> Drawing::bevel(const PixelRect& face, bool pressed) const {
    const int w = line();
    const PixelRect inner{face.left + w, face.top + w, face.width - 2 * w, face.height - 2 * w};
    const ColorValue outerLit = pressed ? bevelOuterShadow : bevelOuterLight;
    const ColorValue outerDark = pressed ? bevelOuterLight : bevelOuterShadow;
    const ColorValue innerLit = pressed ? bevelInnerShadow : bevelInnerLight;
    const ColorValue innerDark = pressed ? bevelInnerLight : bevelInnerShadow;
    const auto outer = sidesOf(face, w, w, w, w);
    const auto in = sidesOf(inner, w, w, w, w);
    return {{{outer[0], outerLit},
             {outer[1], outerLit},
             {outer[2], outerDark},
             {outer[3], outerDark},
             {in[0], innerLit},
             {in[1], innerLit},
             {in[2], innerDark},
             {in[3], innerDark}}};
}

PixelRect Drawing::focus(const PixelRect& face) const {
    const int inset = pixels(focusInset);
    return {face.left + inset, face.top + inset, face.width - 2 * inset, face.height - 2 * inset};
}

// The outline stands ringOutside pixels outside the square, on its edge and
// inside it, to the card's right and bottom edges.
Ring Drawing::ring(Twips left, Twips top) const {
    const int x = logical(left) - ringOutside;
    const int y = logical(top) - ringOutside;
    const int span = logical(gridPitch) + 2 * ringOutside + 1;
    const PixelRect outer = place(x, y, span, span);
    return {outer, pixels(x + ringWidth) - outer.left, pixels(y + ringWidth) - outer.top,
            outer.right() - pixels(x + span - ringWidth),
            outer.bottom() - pixels(y + span - ringWidth)};
}

}  // namespace diruvari
