// SPDX-License-Identifier: MIT
#include "runtime/host/News.h"

#include "window/CardName.h"

namespace diruvari {

News::News(Controls& controls)
    : controls_(controls), selected_(controls.selectedCard()), cards_(controls.Cards().caption()) {}

std::string News::after(bool dealt) const {
    if (dealt) {
        std::string labels;
        for (int i = 0; i < static_cast<int>(labelCount); ++i) {
            labels += (i == 0 ? "" : " ") + controls_.label(i).caption() + ".";
        }
        return labels;
    }
    const std::string cards = controls_.Cards().caption();
    if (selected_ < 0 || cards == cards_) {
        return {};
    }
    return cards + ". " + cardName(selected_, controls_.Card(selected_).backColor()) + ".";
}

}  // namespace diruvari
