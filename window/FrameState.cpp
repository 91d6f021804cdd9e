// SPDX-License-Identifier: MIT
#include "window/FrameState.h"

#include "runtime/NumberText.h"

namespace diruvari {

void FrameState::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        repaint();
        selectionChanged();
    }
}

void FrameState::setLeft(Twips left) {
    repaint();
    left_ = left;
    repaint();
}

void FrameState::setTop(Twips top) {
    repaint();
    top_ = top;
    repaint();
}

int markedCard(const FrameControl& frame) {
    const auto k = frame.visible() ? textToInt16(frame.tag()) : std::nullopt;
    return k && *k >= 0 && *k < Controls::cardCount ? *k : -1;
}

int FrameState::selectedCard() const {
    return markedCard(*this);
}

void FrameState::setTag(const std::string& tag) {
    tag_ = tag;
    selectionChanged();
}

}  // namespace diruvari
