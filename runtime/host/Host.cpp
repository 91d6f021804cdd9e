// SPDX-License-Identifier: MIT
#include "runtime/host/Host.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include "runtime/Fault.h"
#include "runtime/host/News.h"
#include "window/DesignState.h"

namespace diruvari {

Host::Host(Toolkit& toolkit, std::unique_ptr<RandomSource> random)
    : toolkit_(toolkit), runtime_(*this, std::move(random)), form_(toolkit.controls(), runtime_) {
    toolkit_.attach(this);
}

Host::~Host() {
    toolkit_.attach(nullptr);
}

template <typename Event>
void Host::deliver(Event&& event) {
    if (refusing()) {
        return;
    }
    const News news(toolkit_.controls());
    dealt_ = false;
    try {
        std::forward<Event>(event)();
    } catch (const ProgramEnd&) {
        ended_ = true;
        // A close the player made is already under way: it is not made twice.
        if (!closed_) {
            toolkit_.closeAndQuit();
        }
    } catch (const std::exception& failure) {
        fault(failure.what());
    } catch (...) {
        fault("an exception of unknown type");
    }
    if (const std::string said = news.after(dealt_); !said.empty() && !ended_ && !closed_) {
        toolkit_.announce(said);
    }
}

bool Host::refusing() const {
    return ended_ || closed_ || toolkit_.boxOpen();
}

void Host::start() {
    deliver([this] {
        if (std::exchange(started_, true)) {
            throw std::logic_error("the game was started twice");
        }
        showForm();
    });
}

void Host::cardClicked(int k) {
    deliver([this, k] {
        if (k < 0 || k >= Controls::cardCount) {
            throw std::out_of_range("a click on card " + std::to_string(k) + ", which is none");
        }
        form_.Card_Click(static_cast<std::int16_t>(k));
    });
}

void Host::resetChosen() {
    deliver([this] { form_.mnuReset_Click(); });
}

void Host::windowClosed() {
    // The player's close, as the toolkit reports it; the toolkit does not
    // report the close it makes itself in closeAndQuit(). Whatever reports
    // it twice, the window is closed once.
    if (std::exchange(closed_, true)) {
        return;
    }
    // A box that stands returns once the toolkit has closed it, and the
    // runtime then ends the game inside the event that opened the box,
    // without a second close.
    if (!ended_) {
        toolkit_.closeAndQuit();
    }
}

KeyPolicy::Window Host::keyWindow() {
    rememberFocus();
    return {toolkit_.focusedCard(), focusedCard_, toolkit_.boxOpen(), ended_ || closed_};
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

void Host::showBox(const std::string& prompt) {
    // The box takes the focus; every box of the game is followed by a
    // rebuild, which hands it back, or by the end.
    rememberFocus();
    toolkit_.showBox(prompt);
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
