// SPDX-License-Identifier: MIT
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <utility>

#include "runtime/host/Host.h"

namespace diruvari::test {

void RecordingView::cardChanged(int k, const CardControl& card, unsigned changes) {
    if ((changes & VisibilityChanged) != 0 && !card.visible() && focus == k) {
        focus = -1;
    }
    if (!logging) {
        return;
    }
    if ((changes & VisibilityChanged) != 0) {
        log.push_back((card.visible() ? "show " : "hide ") + std::to_string(k));
    }
    if ((changes & ColorChanged) != 0) {
        log.push_back("color " + std::to_string(k));
    }
}

void RecordingView::frameChanged(const FrameControl& frame) {
    if (logging) {
        log.emplace_back(frame.visible() ? "frame show" : "frame hide");
    }
}

void RecordingView::captionChanged(int /*i*/, const LabelControl& label) {
    if (logging) {
        log.push_back("caption " + label.caption());
    }
}

void RecordingView::showBox(const std::string& prompt) {
    EXPECT_EQ(quits, 0) << "a box after the end: " << prompt;
    EXPECT_FALSE(boxStanding) << "a box on top of a box: " << prompt;
    prompts.push_back(prompt);
    focus = -1;
    boxStanding = true;
}

bool RecordingView::answerBox() {
    // A box that the window's close took down is answered by nobody.
    if (!std::exchange(boxStanding, false)) {
        return false;
    }
    host->boxAnswered();
    return true;
}

void RecordingView::closeAndQuit() {
    ++quits;
    boxStanding = false;
    host->windowClosed();
}

}  // namespace diruvari::test
