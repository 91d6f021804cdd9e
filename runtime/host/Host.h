// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "game/Form1.h"
#include "runtime/Generator.h"
#include "runtime/Task.h"
#include "runtime/host/FormWindow.h"
#include "runtime/host/KeyPolicy.h"
#include "runtime/host/News.h"
#include "runtime/host/Toolkit.h"
#include "runtime/host/WindowEvents.h"
#include "runtime/host/WindowRuntime.h"

namespace diruvari {

// The one place that knows how a window event becomes a call into the rules
// and how the program ends, whatever the toolkit:
// - it delivers card clicks, "Reset" and the load to the form;
// - where the rules show a box, it holds the event that waits for the box's
//   OK, marks the box as standing, has the toolkit show it, and resumes the
//   event once the toolkit reports the box dismissed;
// - it refuses every event while a box stands, after the end and after the
//   window was closed;
// - at the end it drops the waiting event, never to resume it, and has the
//   toolkit close and quit; it answers the player's close the same way,
//   with any box taken down, and closes the window once whoever asks;
// - an impossible state is a fault: one line on standard error, and the
//   program stops;
// - card 0 has the keyboard focus at start, and a box or a rebuild hands
//   the focus back to the card that had it;
// - it decides what every key does (KeyPolicy);
// - once an event is over it has the toolkit announce its news (News).
// It owns the form and the window runtime; the toolkit is borrowed.
class Host final : public WindowEvents, private FormWindow {
  public:
    explicit Host(Toolkit& toolkit,
                  std::unique_ptr<RandomSource> random = std::make_unique<Generator>());
    ~Host() override;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The program's start: the first load, then the window shown with card 0
    // focused.
    void start();

    void cardClicked(int k) override;
    void resetChosen() override;
    void boxAnswered() override;
    void windowClosed() override;
    KeyAnswer keyDown(const KeyEvent& event) override;
    KeyAnswer keyUp(const KeyEvent& event) override;
    void focusLost() override { keys_.forgetHeldKeys(); }

    // True once no game code runs again: after the final win, or once the
    // window was closed while a box stood.
    bool ended() const { return ended_; }
    // True once the window is closed, or closing.
    bool closed() const { return closed_; }
    // True while a box of the game's stands.
    bool boxStanding() const { return box_ != Box::None; }
    Form1& form() { return form_; }
    Runtime& runtime() { return runtime_; }

  private:
    enum class Box {
        None,
        Opening,   // the toolkit is showing it
        Answered,  // dismissed as it opened
        Standing,  // the event waits for its OK
    };

    void unloadForm() override;
    void showForm() override;
    bool showBox(const std::string& prompt, std::coroutine_handle<> waiting) override;
    void endProgram() override { ended_ = true; }

    template <typename Event>
    void deliver(Event&& event);
    // After the rules have run: the event is over, waits for a box, or ended
    // the game.
    void settle(Task event);
    bool refusing() const;
    void rememberFocus();
    void restoreFocus();
    KeyPolicy::Window keyWindow();

    Toolkit& toolkit_;
    WindowRuntime runtime_;
    Form1 form_;
    KeyPolicy keys_;
    // The event that waits for the standing box, and the rule in it that
    // waits.
    Task waitingEvent_;
    std::coroutine_handle<> waitingRule_;
    Box box_ = Box::None;
    // The board as it stood before the current event, for its news.
    std::optional<News> news_;
    int focusedCard_ = 0;
    bool dealt_ = false;  // the current event rebuilt the window
    bool started_ = false;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
