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

void FakeCard::reset(bool loaded) {
    loaded_ = loaded;
    color_ = white;
    left_ = 45;
    top_ = 45;
    visible_ = loaded && index_ == 0;
}

void FakeFrame::setVisible(bool visible) {
    visible_ = visible;
    log_->add(visible ? "frame show" : "frame hide");
}

void FakeFrame::reset() {
    visible_ = false;
    left_ = 0;
    top_ = 0;
    tag_.clear();
}

void FakeLabel::setCaption(const std::string& caption) {
    caption_ = caption;
    log_->add("caption " + caption);
}

FakeControls::FakeControls() {
    for (int k = 0; k < cardCount; ++k) {
        card.emplace_back(k, log);
    }
    unloadForm();
    unloads = 0;
}

void FakeControls::loadCard(int k) {
    EXPECT_GT(k, 0);
    EXPECT_FALSE(card.at(static_cast<std::size_t>(k)).loaded()) << "card " << k << " created twice";
    card.at(static_cast<std::size_t>(k)).reset(true);
    log.add("load " + std::to_string(k));
}

CardControl& FakeControls::Card(int k) {
    return card.at(static_cast<std::size_t>(k));
}

void FakeControls::unloadForm() {
    ++unloads;
    for (FakeCard& c : card) {
        c.reset(&c == &card.front());
    }
    frame.reset();
    level.reset();
    cards.reset();
    colors.reset();
}

void FakeControls::showForm() {
    log.add("show");
    if (onLoad) {
        onLoad();
    }
}

}  // namespace diruvari::test
