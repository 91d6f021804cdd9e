// SPDX-License-Identifier: MIT
#include "window/web/WebWindow.h"

#include <algorithm>
#include <cmath>

#include "window/CardName.h"
#include "window/Controls.h"
#include "window/web/Dom.h"

namespace diruvari {

namespace {

double pageScale() {
    if (!dom::touchScreen()) {
        return 1;
    }
    const double width =
        (dom::viewportWidth() - 2 * pageWindowBorder) / Drawing::logical(clientWidth);
    const double height = (dom::viewportHeight() - 2 * pageWindowBorder) /
                          (Drawing::logical(clientHeight) + pageMenuBarHeight);
    return std::max(1.0, std::min(width, height));
}

// Centred, to the pixel.
int centred(double room, int size) {
    return std::max(0, static_cast<int>(std::floor((room - size - 2 * pageWindowBorder) / 2)));
}

}  // namespace

WebWindow::WebWindow() {
    dom::buildWindow();
}

void WebWindow::cardChanged(int k, const CardControl& card, unsigned changes) {
    if ((changes & ColorChanged) != 0) {
        dom::paintCard(k, card.backColor(), cardName(k, card.backColor()));
    }
    if ((changes & PlaceChanged) != 0) {
        places_.at(static_cast<std::size_t>(k)) = {card.left(), card.top()};
        placeCard(k);
    }
    if ((changes & VisibilityChanged) != 0) {
        dom::showCard(k, card.visible());
    }
    if ((changes & SelectionChanged) != 0) {
        dom::markCard(k, card.selected());
    }
}

void WebWindow::frameChanged(const FrameControl& frame) {
    ring_.reset();
    if (frame.visible()) {
        ring_.emplace(frame.left(), frame.top());
        placeFrame();
    }
    dom::showFrame(frame.visible());
}

void WebWindow::captionChanged(int label, const std::string& caption) {
    dom::setLabel(label, caption);
}

void WebWindow::layout() {
    drawing_ = Drawing(pageScale());
    const PixelRect client = drawing_.client();
    const int bar = drawing_.pixels(pageMenuBarHeight);
    dom::setMetrics({client, bar, pageWindowBorder, drawing_.line(), drawing_.pixels(focusInset),
                     drawing_.labelFontSize(), pageMenuFontSize * drawing_.scale(),
                     centred(dom::viewportWidth(), client.width),
                     centred(dom::viewportHeight(), bar + client.height)});
    for (int i = 0; i < static_cast<int>(labelDesigns.size()); ++i) {
        dom::place(dom::Part::Label, i, drawing_.label(i));
    }
    for (int k = 0; k < static_cast<int>(places_.size()); ++k) {
        placeCard(k);
    }
    placeFrame();
}

void WebWindow::placeCard(int k) const {
    const auto& [left, top] = places_.at(static_cast<std::size_t>(k));
    dom::place(dom::Part::Card, k, drawing_.card(left, top));
}

void WebWindow::placeFrame() const {
    if (ring_) {
        const Ring ring = drawing_.ring(ring_->first, ring_->second);
        dom::place(dom::Part::Frame, 0, ring.outer);
        dom::ringSides(ring);
    }
}

void WebWindow::showWindow() {
    layout();
    dom::showWindow();
}

void WebWindow::showBox(const std::string& prompt) {
    dom::showBox(prompt);
}

void WebWindow::announce(const std::string& news) {
    dom::announce(news);
}

void WebWindow::focusCard(int k) {
    dom::focusCard(k);
}

int WebWindow::focusedCard() const {
    return dom::focusedCard();
}

void WebWindow::closeAndQuit() {
    dom::endWindow(false);
}

}  // namespace diruvari
