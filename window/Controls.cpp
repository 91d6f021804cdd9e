// SPDX-License-Identifier: MIT
#include "window/Controls.h"

#include <utility>

#include "runtime/Fault.h"
#include "runtime/NumberText.h"
#include "window/Grid.h"

namespace diruvari {

void CardControl::changed(unsigned changes) const {
    controls_->view_.cardChanged(index_, *this, changes);
}

bool CardControl::selected() const {
    return controls_->marked_ == index_;
}

void FrameControl::setVisible(bool visible) {
    if (change(visible_, visible)) {
        controls_.view_.frameChanged(*this);
        controls_.markSelection();
    }
}

void FrameControl::moveTo(Twips left, Twips top) {
    const bool moved = change(left_, left);
    if (change(top_, top) || moved) {
        controls_.view_.frameChanged(*this);
    }
}

void FrameControl::setTag(const std::string& tag) {
    tag_ = tag;
    controls_.markSelection();
}

void LabelControl::setCaption(const std::string& caption) {
    caption_ = caption;
    controls_->view_.captionChanged(index_, *this);
}

Controls::Controls(View& view) : view_(view) {
    for (int k = 0; k < cardCount; ++k) {
        CardControl& card = cards_.at(static_cast<std::size_t>(k));
        card.controls_ = this;
        card.index_ = k;
        card.left_ = cardMargin;
        card.top_ = cardMargin;
        card.loaded_ = card.visible_ = k == 0;
        card.changed(AllChanged);
    }
    view_.frameChanged(frame_);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_.at(i).controls_ = this;
        labels_.at(i).index_ = static_cast<int>(i);
        labels_.at(i).caption_ = labelDesigns.at(i).caption;
        view_.captionChanged(static_cast<int>(i), labels_.at(i));
    }
}

void Controls::resetToDesign(CardControl& card, bool visible) {
    // Hidden before it turns white, so that no player sees a white card.
    card.setVisible(visible);
    card.setBackColor(cardDesignColor);
    card.setLeft(cardMargin);
    card.setTop(cardMargin);
}

void Controls::loadCard(int k) {
    if (k < 1 || k >= cardCount || cards_.at(static_cast<std::size_t>(k)).loaded_) {
        fault("card " + std::to_string(k) + " was created again, or is none to create");
    }
    CardControl& card = cards_.at(static_cast<std::size_t>(k));
    card.loaded_ = true;
    resetToDesign(card, false);
}

void Controls::unload() {
    for (std::size_t k = 1; k < cards_.size(); ++k) {
        cards_.at(k).setVisible(false);
        cards_.at(k).loaded_ = false;
    }
    resetToDesign(cards_.front(), true);
    frame_.setVisible(false);
    frame_.moveTo(0, 0);
    frame_.setTag("");
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_.at(i).setCaption(labelDesigns.at(i).caption);
    }
}

CardControl& Controls::Card(int k) {
    return const_cast<CardControl&>(std::as_const(*this).Card(k));
}

const CardControl& Controls::Card(int k) const {
    if (k < 0 || k >= cardCount || !cards_.at(static_cast<std::size_t>(k)).loaded_) {
        fault("card " + std::to_string(k) + " does not exist");
    }
    return cards_.at(static_cast<std::size_t>(k));
}

int Controls::selectedCard() const {
    const auto k = frame_.visible() ? textToInt16(frame_.tag()) : std::nullopt;
    return k && *k >= 0 && *k < cardCount ? *k : -1;
}

void Controls::markSelection() {
    const int now = selectedCard();
    const int before = std::exchange(marked_, now);
    if (before != now) {
        for (const int k : {before, now}) {
            if (k >= 0) {
                cards_.at(static_cast<std::size_t>(k)).changed(SelectionChanged);
            }
        }
    }
}

}  // namespace diruvari
