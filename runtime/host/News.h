// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Controls.h"

namespace diruvari {

// What a screen reader is told once an event is over, beyond what the
// focused card says of itself, so that a player who cannot see the board
// hears what a sighted one sees change:
// - a pair: the new count and the repainted card's new colour, as in
//   "Cards: 14. Blue card, row 1, column 1.";
// - a new deal (the next level, a restart, "Reset"): the three labels, once,
//   as in "Level: 2. Cards: 15. Colors: 3.";
// - anything else, a selection included (the card's own state tells it):
//   nothing.
class News {
  public:
    // Notes the board as it stands before an event.
    explicit News(Controls& controls);

    // The news of the event, or nothing; `dealt` tells that the window was
    // rebuilt during it.
    std::string after(bool dealt) const;

  private:
    Controls& controls_;
    int selected_;
    std::string cards_;
};

}  // namespace diruvari
