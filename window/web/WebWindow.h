// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "runtime/host/Keys.h"
#include "window/Controls.h"
#include "window/Drawing.h"
#include "window/View.h"

namespace diruvari {

// A key's answer as one number for the page: act * answerBase + card.
inline constexpr int answerBase = 16;
static_assert(answerBase >= Controls::cardCount, "a card must fit below the base");
constexpr int pageAnswer(const KeyAnswer& answer) {
    return static_cast<int>(answer.act) * answerBase + (answer.card >= 0 ? answer.card : 0);
}

const char* buildId();

// The main window as the page's elements, which stand in the page as
// designed, hidden until the first deal. Changes are gathered and written
// once a step is done (flush), only where they differ from the page: a
// rebuild's hiding and showing never reaches it. Places are whole CSS
// pixels at a scale for the viewport; scale 1 is the style sheet's own.
class WebWindow final : public View {
  public:
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

    void flush();
    void layout(double width, double height, bool touchScreen);

  private:
    void flushCard(int k);
    void placeCard(int k);
    void placeFrame();

    Drawing drawing_;
    std::array<const CardControl*, Controls::cardCount> cards_{};
    std::array<unsigned, Controls::cardCount> changes_{};
    // Where each card and the ring stand on the page.
    std::array<PixelRect, Controls::cardCount> placed_{};
    PixelRect ring_{};
    const FrameControl* frame_ = nullptr;
    bool frameChanged_ = false;
    std::array<const LabelControl*, labelCount> labels_{};
    unsigned labelsChanged_ = 0;
};

}  // namespace diruvari
