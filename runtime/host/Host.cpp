// SPDX-License-Identifier: MIT
#include "runtime/host/Host.h"

#include <utility>

#include "runtime/Fault.h"

namespace diruvari {

namespace {

std::unique_ptr<RandomSource> needed(std::unique_ptr<RandomSource> random) {
    if (!random) {
        fault("the host needs a source of random numbers");
    }
    return random;
}

}  // namespace

Host::Host(View& view, std::unique_ptr<RandomSource> random)
    : view_(view), random_(needed(std::move(random))), controls_(view), form_(controls_, *this) {}

// An event's rules run until they are over or wait for a box; nothing
// unwinds through the toolkit's frames.
template <typename Event>
void Host::deliver(Event&& event) {
    if (refusing()) {
        return;
    }
    news_.emplace(controls_);
    dealt_ = false;
    settle(faultOnThrow(std::forward<Event>(event)));
}

void Host::settle(Task event) {
    if (ended_ || closed_) {
        // No rule runs again: the event is dropped, never resumed.
        news_.reset();
        if (!std::exchange(closed_, true)) {
            view_.closeAndQuit();
        }
        return;
    }
    if (!event.done()) {
        waiting_ = std::move(event);
        return;
    }
    if (const std::string said = news_ ? news_->after(dealt_) : ""; !said.empty()) {
        view_.announce(said);
    }
    news_.reset();
}

void Host::start() {
    deliver([this] {
        if (std::exchange(started_, true)) {
            fault("the game was started twice");
        }
        showForm();
        return Task();
    });
}

void Host::cardClicked(int k) {
    deliver([this, k] {
        if (k < 0 || k >= Controls::cardCount) {
            fault("a click on card " + std::to_string(k) + ", which is none");
        }
        return form_.Card_Click(static_cast<std::int16_t>(k));
    });
}

void Host::resetChosen() {
    deliver([this] {
        form_.mnuReset_Click();
        return Task();
    });
}

void Host::boxAnswered() {
    if (!std::exchange(boxStanding_, false)) {
        return;  // a box that no rule waits for any more
    }
    // The event is the host's again only if it waits for another box.
    Task event = std::move(waiting_);
    faultOnThrow([&event] { event.resume(); });
    settle(std::move(event));
}

void Host::windowClosed() {
    // Whoever reports it, and however often, the window closes once.
    if (std::exchange(closed_, true)) {
        return;
    }
    // An event that waits for a box ends with the window: it is destroyed,
    // never resumed.
    if (std::exchange(boxStanding_, false)) {
        ended_ = true;
    }
    waiting_ = Task();
    news_.reset();
    view_.closeAndQuit();
}

KeyPolicy::Window Host::keyWindow() {
    rememberFocus();
    return {view_.focusedCard(), focusedCard_, boxStanding_, ended_ || closed_};
}

KeyAnswer Host::keyDown(const KeyEvent& event) {
    return keys_.down(event, keyWindow());
}

KeyAnswer Host::keyUp(const KeyEvent& event) {
    return keys_.up(event, keyWindow());
}

void Host::rebuildWindow() {
    dealt_ = true;
    rememberFocus();
    controls_.unload();
    showForm();
}

void Host::showForm() {
    form_.Form_Load();
    view_.showWindow();
    view_.focusCard(focusedCard_);
}

void Host::showBox(const std::string& prompt) {
    // The box takes the focus; every box of the game is followed by a
    // rebuild, which hands it back, or by the end.
    rememberFocus();
    boxStanding_ = true;
    view_.showBox(prompt);
}

void Host::rememberFocus() {
    if (const int k = view_.focusedCard(); k >= 0 && k < Controls::cardCount) {
        focusedCard_ = k;
    }
}

}  // namespace diruvari
