// SPDX-License-Identifier: MIT
#pragma once

#include "window/Controls.h"

namespace diruvari {

// The controls of a window that makes its sixteen cards once and keeps
// them: creating card k shows it as card 0's design has it, and destroying
// it hides it. A rebuild so never deletes the card whose click it serves.
class InPlaceControls : public Controls {
  public:
    void loadCard(int k) final;
    void unloadCard(int k) final;
};

}  // namespace diruvari
