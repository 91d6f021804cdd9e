// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/host/Keys.h"
#include "window/Controls.h"
#include "window/Drawing.h"
#include "window/View.h"

namespace diruvari {

// What the host answers the page for a key, as one number: the act times
// answerBase, plus the card it names.
inline constexpr int answerBase = 16;
static_assert(answerBase >= Controls::cardCount, "a card must fit below the base");
constexpr int pageAnswer(const KeyAnswer& answer) {
    return static_cast<int>(answer.act) * answerBase + (answer.card >= 0 ? answer.card : 0);
}

// The build's name, which the program that links this layer defines.
const char* buildId();

// The main window as the page's elements, which stand in the page as
// designed, hidden until the first load has dealt. It writes to the page
// only what differs from what the page shows, once the host is done with a
// step (flush): a rebuild hides cards and shows them again, and the page
// sees neither. Everything is placed in whole CSS pixels at a scale chosen
// for the viewport, so that it stays crisp at any device pixel ratio and
// any zoom; at scale 1 the page's style places it already.
class WebWindow final : public View {
  public:
    // Takes the page's events to the host, and the design's window as it
    // stands in the page.
    WebWindow();
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    void cardChanged(int k, const CardControl& card, unsigned changes) override;
    void frameChanged(const FrameControl& frame) override;
    void captionChanged(int i, const LabelControl& label) override;
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    void announce(const std::string& news) override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void closeAndQuit() override;

    // Writes to the page what has changed since the last time.
    void flush();
    // Places the window for a viewport of this size.
    void layout(double width, double height, bool touchScreen);

  private:
    void flushCard(int k);
    void placeCard(int k);
    void placeFrame();

    Drawing drawing_;
    std::array<const CardControl*, Controls::cardCount> cards_{};
    std::array<unsigned, Controls::cardCount> changes_{};
    // Where each card and the ring stand on the page, at its scale.
    std::array<PixelRect, Controls::cardCount> placed_{};
    PixelRect ring_{};
    const FrameControl* frame_ = nullptr;
    bool frameChanged_ = false;
    std::array<const LabelControl*, 3> labels_{};
    unsigned labelsChanged_ = 0;
};

}  // namespace diruvari
