// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "window/View.h"

namespace diruvari {
class Host;
}

namespace diruvari::test {

// A view that records what it is told: every change, as text ("show 4",
// "color 3", "caption Cards: 15", "frame show"), unless a long run switches
// that off; the boxes' prompts, the news, the showings and the closes. Its
// box stands until the test answers it, and it takes the keyboard focus as
// a real box does, as does a card that hides.
class RecordingView final : public View {
  public:
    void cardChanged(int k, const CardControl& card, unsigned changes) override;
    void frameChanged(const FrameControl& frame) override;
    void captionChanged(int i, const LabelControl& label) override;
    void showWindow() override { ++shows; }
    void showBox(const std::string& prompt) override;
    void announce(const std::string& said) override { news.push_back(said); }
    void focusCard(int k) override { focus = k; }
    int focusedCard() const override { return focus; }
    // Reports the close that it was asked to make, as a window does.
    void closeAndQuit() override;

    // OK on the box that stands; true if one stood.
    bool answerBox();

    Host* host = nullptr;
    bool logging = true;
    std::vector<std::string> log;
    std::vector<std::string> prompts;
    std::vector<std::string> news;
    int shows = 0;
    int quits = 0;
    int focus = -1;
    bool boxStanding = false;
};

}  // namespace diruvari::test
