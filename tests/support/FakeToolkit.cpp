// SPDX-License-Identifier: MIT
#include "FakeToolkit.h"

#include <gtest/gtest.h>

#include <utility>

namespace diruvari::test {

FakeToolkit::FakeToolkit() {
    fakeControls.onUnload = [this](int k) {
        if (focus == k) {
            focus = -1;
        }
    };
}

void FakeToolkit::showBox(const std::string& prompt) {
    EXPECT_EQ(quits, 0) << "a box after the end: " << prompt;
    EXPECT_FALSE(boxStanding) << "a box on top of a box: " << prompt;
    prompts.push_back(prompt);
    focus = -1;
    boxStanding = true;
    if (whileBoxOpen) {
        whileBoxOpen(prompt);
    }
    if (answersAtOnce) {
        answerBox();
    }
}

void FakeToolkit::answerBox() {
    // A box that the window's close took down is answered by nobody.
    if (std::exchange(boxStanding, false) && events != nullptr) {
        events->boxAnswered();
    }
}

// As a window does, the fake reports the close that it was asked to make.
void FakeToolkit::closeAndQuit() {
    ++quits;
    boxStanding = false;
    if (events != nullptr) {
        events->windowClosed();
    }
}

}  // namespace diruvari::test
