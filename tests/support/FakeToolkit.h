// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FakeControls.h"
#include "runtime/host/Toolkit.h"
#include "runtime/host/WindowEvents.h"

namespace diruvari::test {

// A window layer with plain members: the fake controls, a box that records
// its prompt and is answered at once or when the test says, and a keyboard
// focus that a box takes away and that a hidden card loses, as in a real
// window.
class FakeToolkit final : public Toolkit {
  public:
    FakeToolkit();

    void attach(WindowEvents* attached) override { events = attached; }
    Controls& controls() override { return fakeControls; }
    void showWindow() override { ++shows; }
    void showBox(const std::string& prompt) override;
    bool boxOpen() const override { return boxStanding; }
    void closeAndQuit() override;
    void focusCard(int k) override { focus = k; }
    int focusedCard() const override { return focus; }
    void announce(const std::string& said) override { news.push_back(said); }

    FakeControls fakeControls;
    WindowEvents* events = nullptr;
    std::vector<std::string> prompts;
    std::vector<std::string> news;
    // Called inside each box, while it stands.
    std::function<void(const std::string&)> whileBoxOpen;
    // Whether a box is answered as it opens (once whileBoxOpen has run), as
    // a box with a loop of its own is; otherwise it stands until answerBox().
    bool answersAtOnce = true;
    void answerBox();
    int shows = 0;
    int quits = 0;
    int focus = -1;
    bool boxStanding = false;
};

}  // namespace diruvari::test
