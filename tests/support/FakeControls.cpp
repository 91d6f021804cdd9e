// SPDX-License-Identifier: MIT
#include "FakeControls.h"

#include <gtest/gtest.h>

namespace diruvari::test {

ColorValue FakeCard::backColor() const {
    EXPECT_TRUE(loaded_) << "card " << index_ << " read before it was created";
    return color_;
}

void FakeCard::setBackColor(ColorValue color) {
    EXPECT_TRUE(loaded_) << "card " << index_ << " painted before it was created";
    color_ = color;
    log_->add("color " + std::to_string(index_));
}

void FakeCard::setLoaded(bool loaded) {
    loaded_ = loaded;
    color_ = white;
    left_ = 45;
    top_ = 45;
    visible_ = false;
}

void FakeFrame::setVisible(bool visible) {
    visible_ = visible;
    log_->add(visible ? "frame show" : "frame hide");
}

void FakeLabel::setCaption(const std::string& caption) {
    caption_ = caption;
    log_->add("caption " + caption);
}

FakeControls::FakeControls() {
    for (int k = 0; k < cardCount; ++k) {
        card.emplace_back(k, log);
    }
    card.front().setLoaded(true);
    card.front().setVisible(true);
}

void FakeControls::loadCard(int k) {
    EXPECT_GT(k, 0);
    EXPECT_FALSE(card.at(static_cast<std::size_t>(k)).loaded()) << "card " << k << " created twice";
    card.at(static_cast<std::size_t>(k)).setLoaded(true);
    log.add("load " + std::to_string(k));
}

void FakeControls::unloadCard(int k) {
    EXPECT_GT(k, 0);
    card.at(static_cast<std::size_t>(k)).setLoaded(false);
    if (onUnload) {
        onUnload(k);
    }
}

CardControl& FakeControls::Card(int k) {
    return card.at(static_cast<std::size_t>(k));
}

}  // namespace diruvari::test
