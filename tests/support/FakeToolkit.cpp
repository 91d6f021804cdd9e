// SPDX-License-Identifier: MIT
#include "FakeToolkit.h"

#include <gtest/gtest.h>

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
    boxStanding = false;
}

void FakeToolkit::closeAndQuit() {
    ++quits;
    boxStanding = false;
}

}  // namespace diruvari::test
