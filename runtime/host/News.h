// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Controls.h"

namespace diruvari {

// What a screen reader hears once an event is over, beyond the focused
// card: after a pair, "Cards: 14. Blue card, row 1, column 1."; after a new
// deal, "Level: 2. Cards: 15. Colors: 3."; else nothing.
class News {
  public:
    // The board before an event; `dealt`: the window was rebuilt since.
    explicit News(Controls& controls);
    std::string after(bool dealt) const;

  private:
    Controls& controls_;
    int selected_;
    std::string cards_;
};

}  // namespace diruvari
