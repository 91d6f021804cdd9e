// SPDX-License-Identifier: MIT
#include "runtime/host/News.h"

#include "window/CardName.h"

namespace diruvari {

News::News(Controls& controls)
    : controls_(controls), selected_(controls.selectedCard()), cards_(controls.Cards().caption()) {}

std::string News::after(bool dealt) const {
    if (dealt) {
        return controls_.Level().caption() + ". " + controls_.Cards().caption() + ". " +
               controls_.Colors().caption() + ".";
    }
    const std::string cards = controls_.Cards().caption();
    if (selected_ < 0 || cards == cards_) {
        return {};
    }
    return cards + ". " + cardName(selected_, controls_.Card(selected_).backColor()) + ".";
}

}  // namespace diruvari
