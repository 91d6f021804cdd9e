// SPDX-License-Identifier: MIT
#pragma once

#include "window/CardState.h"
#include "window/Controls.h"
#include "window/FrameState.h"

namespace diruvari {

// The controls of a window that makes its sixteen cards once and keeps
// them: creating card k shows it as card 0's design has it, and destroying
// it hides it. A rebuild so never deletes the card whose click it serves.
class InPlaceControls : public Controls {
  public:
    void loadCard(int k) final;
    void unloadCard(int k) final;

    CardState& Card(int k) override = 0;
    FrameState& Frame() override = 0;

    // Marks the card that the frame marks as selected, and every other card
    // as not, for screen readers. The frame calls it on every change.
    void markSelection();
};

}  // namespace diruvari
