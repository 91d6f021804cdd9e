// SPDX-License-Identifier: MIT
#include "runtime/host/News.h"

#include "window/CardName.h"

namespace diruvari {

namespace {

int selectedCard(Controls& controls) {
    FrameControl& frame = controls.Frame();
    if (!frame.visible()) {
        return -1;
    }
    // The tag is the rules' own text; anything but a card's index is none.
    const std::string tag = frame.tag();
    if (tag.empty() || tag.size() > 2 || tag.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const int k = std::stoi(tag);
    return k < Controls::cardCount ? k : -1;
}

}  // namespace

News::News(Controls& controls)
    : controls_(controls), selected_(selectedCard(controls)), cards_(controls.Cards().caption()) {}

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
