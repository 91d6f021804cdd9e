// SPDX-License-Identifier: MIT
#include "window/FrameState.h"

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

void FrameState::setTag(const std::string& tag) {
    tag_ = tag;
    selectionChanged();
}

}  // namespace diruvari
