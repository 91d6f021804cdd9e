// SPDX-License-Identifier: MIT
#include "window/web/WebWindow.h"

#include <cmath>

#include "runtime/host/WindowEvents.h"
#include "window/CardName.h"
#include "window/Design.h"
#include "window/DesignState.h"
#include "window/web/Dom.h"

namespace diruvari {

double cssPixels(Twips twips) {
    return static_cast<double>(
        std::lround(static_cast<double>(twips) * logicalPixelsPerInch / twipsPerInch));
}

void WebCard::setVisible(bool visible) {
    dom::showCard(index(), visible);
}

void WebCard::recoloured() {
    dom::paintCard(index(), backColor(), cardName(index(), backColor()));
}

void WebCard::selectionMarked() {
    dom::markCard(index(), selected());
}

void WebCard::moved() {
    dom::placeCard(index(), cssPixels(left()), cssPixels(top()));
}

void WebFrame::repaint() const {
    dom::placeFrame(visible(), cssPixels(left()), cssPixels(top()));
}

void WebFrame::selectionChanged() {
    window_.markSelection();
}

void WebLabel::setCaption(const std::string& caption) {
    caption_ = caption;
    dom::setLabel(position_, caption);
}

WebWindow::WebWindow() {
    dom::buildWindow();
    for (int k = 0; k < cardCount; ++k) {
        cards_.emplace_back(k);
        dom::paintCard(k, cardDesignColor, cardName(k, cardDesignColor));
    }
    returnToDesign(*this);
}

void WebWindow::showWindow() {
    dom::showWindow();
}

void WebWindow::showBox(const std::string& prompt) {
    boxOpen_ = true;
    dom::showBox(prompt);
}

void WebWindow::closeAndQuit() {
    dom::closeWindow();
}

void WebWindow::focusCard(int k) {
    dom::focusCard(k);
}

void WebWindow::announce(const std::string& news) {
    dom::announce(news);
}

int WebWindow::focusedCard() const {
    return dom::focusedCard();
}

CardState& WebWindow::Card(int k) {
    return cards_.at(static_cast<std::size_t>(k));
}

void WebWindow::cardClicked(int k) {
    if (events_ != nullptr) {
        events_->cardClicked(k);
    }
}

void WebWindow::boxAnswered() {
    boxOpen_ = false;
    if (events_ != nullptr) {
        events_->boxAnswered();
    }
}

void WebWindow::resetChosen() {
    if (events_ != nullptr) {
        events_->resetChosen();
    }
}

KeyAnswer WebWindow::key(bool down, const KeyEvent& event) {
    if (events_ == nullptr) {
        return {};
    }
    return down ? events_->keyDown(event) : events_->keyUp(event);
}

void WebWindow::focusLost() {
    if (events_ != nullptr) {
        events_->focusLost();
    }
}

}  // namespace diruvari
