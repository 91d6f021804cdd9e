// SPDX-License-Identifier: MIT
#include "runtime/host/Host.h"

#include <utility>

#include "runtime/Fault.h"
#include "window/DesignState.h"

namespace diruvari {

Host::Host(Toolkit& toolkit, std::unique_ptr<RandomSource> random)
    : toolkit_(toolkit), runtime_(*this, std::move(random)), form_(toolkit.controls(), runtime_) {
    toolkit_.attach(this);
}

Host::~Host() {
    toolkit_.attach(nullptr);
}

// An event's rules run until they are over or wait for a box; nothing
// unwinds through the toolkit's frames.
template <typename Event>
void Host::deliver(Event&& event) {
    if (refusing()) {
        return;
    }
    news_.emplace(toolkit_.controls());
    dealt_ = false;
    settle(faultOnThrow(std::forward<Event>(event)));
}

void Host::settle(Task event) {
    if (ended_ || closed_) {
        // No rule runs again: the event is dropped, never resumed.
        news_.reset();
        if (!std::exchange(closed_, true)) {
            toolkit_.closeAndQuit();
        }
        return;
    }
    if (!event.done()) {
        waitingEvent_ = std::move(event);
        return;
    }
    if (const std::string said = news_ ? news_->after(dealt_) : ""; !said.empty()) {
        toolkit_.announce(said);
    }
    news_.reset();
}

bool Host::refusing() const {
    return ended_ || closed_ || box_ != Box::None || toolkit_.boxOpen();
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
    if (box_ == Box::Opening) {
        box_ = Box::Answered;
        return;
    }
    if (box_ != Box::Standing) {
        return;  // a box that no rule waits for any more
    }
    box_ = Box::None;
    // The event is the host's again only if it waits for another box.
    Task event = std::move(waitingEvent_);
    std::coroutine_handle<> rule = std::exchange(waitingRule_, {});
    faultOnThrow([&rule] { rule.resume(); });
    settle(std::move(event));
}

void Host::windowClosed() {
    // Whoever reports it, and however often, the window closes once.
    if (closed_) {
        return;
    }
    closed_ = true;
    // An event that waits for a box ends with the window: it is destroyed,
    // never resumed. One that runs now is dropped once it has stopped.
    if (box_ != Box::None) {
        ended_ = true;
    }
    box_ = Box::None;
    waitingRule_ = {};
    waitingEvent_ = Task();
    news_.reset();
    toolkit_.closeAndQuit();
}

KeyPolicy::Window Host::keyWindow() {
    rememberFocus();
    return {toolkit_.focusedCard(), focusedCard_, box_ != Box::None || toolkit_.boxOpen(),
            ended_ || closed_};
}

KeyAnswer Host::keyDown(const KeyEvent& event) {
    return keys_.down(event, keyWindow());
}

KeyAnswer Host::keyUp(const KeyEvent& event) {
    return keys_.up(event, keyWindow());
}

void Host::unloadForm() {
    dealt_ = true;
    rememberFocus();
    returnToDesign(toolkit_.controls());
}

void Host::showForm() {
    form_.Form_Load();
    toolkit_.showWindow();
    restoreFocus();
}

bool Host::showBox(const std::string& prompt, std::coroutine_handle<> waiting) {
    // The box takes the focus; every box of the game is followed by a
    // rebuild, which hands it back, or by the end.
    rememberFocus();
    box_ = Box::Opening;
    waitingRule_ = waiting;
    toolkit_.showBox(prompt);
    if (box_ == Box::Answered) {
        box_ = Box::None;
        waitingRule_ = {};
        return false;
    }
    // Standing; or the window was closed meanwhile, and the event is
    // dropped once it has stopped.
    if (box_ == Box::Opening) {
        box_ = Box::Standing;
    }
    return true;
}

void Host::rememberFocus() {
    if (const int k = toolkit_.focusedCard(); k >= 0 && k < Controls::cardCount) {
        focusedCard_ = k;
    }
}

void Host::restoreFocus() {
    toolkit_.focusCard(focusedCard_);
}

}  // namespace diruvari
