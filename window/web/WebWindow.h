// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "window/Design.h"
#include "window/Drawing.h"
#include "window/View.h"

namespace diruvari {

// The main window as an element of the page: the view of the controls with
// the page's elements, and its modal dialog. Everything is placed in whole
// CSS pixels at a scale chosen for the viewport, so it stays crisp at any
// device pixel ratio and any zoom. It keeps the places in the design that
// its elements need to be placed anew at another scale.
class WebWindow final : public View {
  public:
    WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    void cardChanged(int k, const CardControl& card, unsigned changes) override;
    void frameChanged(const FrameControl& frame) override;
    void captionChanged(int label, const std::string& caption) override;
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    void announce(const std::string& news) override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void closeAndQuit() override;

    // Places the window for the viewport as it now is: at scale 1 on a
    // desktop, and on a touch screen as large as the window fits inside its
    // border, every edge on a whole CSS pixel, the centring's included.
    void layout();

  private:
    void placeCard(int k) const;
    void placeFrame() const;

    Drawing drawing_;
    std::array<std::pair<Twips, Twips>, 16> places_{};
    std::optional<std::pair<Twips, Twips>> ring_;
};

}  // namespace diruvari
