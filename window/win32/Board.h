// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "window/Design.h"
#include "window/Drawing.h"

namespace diruvari {

class CardControl;
class FrameControl;

constexpr int cardCommand(int k) {
    return 1000 + k;
}

// The board's native widgets: each card an owner-drawn push button whose
// hidden window text is its name for readers and whose user data is its
// colour; the labels, static texts; the frame's ring, painted beneath the
// cards. The design's places are kept for placing anew at another DPI.
class Board {
  public:
    // Cards first, in index order: that is the tab order; then the labels.
    bool create(HWND parent);

    void follow(int k, const CardControl& card, unsigned changes, const Drawing& drawing);
    void follow(const FrameControl& frame, const Drawing& drawing);
    void setCaption(int label, const std::wstring& caption);
    void layout(const Drawing& drawing, HFONT font) const;

    void paintRing(HDC dc, const Drawing& drawing) const;
    void draw(const DRAWITEMSTRUCT& item, const Drawing& drawing) const;

    HWND card(int k) const { return cards_.at(static_cast<std::size_t>(k)); }
    // -1 for no card's.
    int cardOf(HWND button) const;

  private:
    void placeCard(int k, const Drawing& drawing) const;
    void invalidateRing(const Drawing& drawing) const;

    HWND parent_ = nullptr;
    std::array<HWND, 16> cards_{};
    std::array<std::pair<Twips, Twips>, 16> places_{};
    std::array<HWND, labelCount> labels_{};
    // Where the ring stands while the frame shows.
    std::optional<std::pair<Twips, Twips>> ring_;
};

}  // namespace diruvari
