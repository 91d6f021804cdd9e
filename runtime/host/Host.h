// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "game/Form1.h"
#include "runtime/Generator.h"
#include "runtime/Runtime.h"
#include "runtime/Task.h"
#include "runtime/host/KeyPolicy.h"
#include "runtime/host/News.h"
#include "window/Controls.h"
#include "window/View.h"

namespace diruvari {

// The one place that knows how a window event becomes a call into the rules
// and how the program ends, whatever the toolkit. It is the rules' runtime,
// and owns the form and the controls; the view is borrowed.
// - It delivers card clicks, "Reset" and the load to the form.
// - Where the rules show a box, it holds the event that waits for the box's
//   OK, marks the box as standing, has the view show it, and resumes the
//   event once the view reports the box dismissed.
// - It refuses every event while a box stands, after the end and after the
//   window was closed.
// - At the end it drops the waiting event, never to resume it, and has the
//   view close and quit; it answers the player's close the same way, with
//   any box taken down, and closes the window once whoever asks.
// - An impossible state is a fault: one line on standard error, and the
//   program stops.
// - Card 0 has the keyboard focus at start, and a box or a rebuild hands the
//   focus back to the card that had it.
// - It decides what every key does (KeyPolicy).
// - Once an event is over it has the view announce its news (News).
class Host final : public Runtime {
  public:
    explicit Host(View& view, std::unique_ptr<RandomSource> random = std::make_unique<Generator>());
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The program's start: the first load, then the window shown with card 0
    // focused.
    void start();

    // What the view reports of the player.
    void cardClicked(int k);
    void resetChosen();
    // The box that stands was dismissed: by OK, or by a key or a close that
    // the box takes as OK.
    void boxAnswered();
    // The player asks to close the window (its close button, Alt+F4, the
    // system menu), perhaps while a box stands.
    void windowClosed();
    // Every key down and up on the window and its boxes: the view then does
    // what the answer says.
    KeyAnswer keyDown(const KeyEvent& event);
    KeyAnswer keyUp(const KeyEvent& event);
    // The window lost the keyboard to another program (not to its own box).
    void focusLost() { keys_.forgetHeldKeys(); }

    // True once no game code runs again: after the final win, or once the
    // window was closed while a box stood.
    bool ended() const { return ended_; }
    // True once the window is closed, or closing.
    bool closed() const { return closed_; }
    // True while a box of the game's stands.
    bool boxStanding() const { return boxStanding_; }
    Form1& form() { return form_; }
    Controls& controls() { return controls_; }

    void randomize() override { random_->reseed(); }
    float nextRandom() override { return random_->next(); }
    void rebuildWindow() override;

  private:
    void showBox(const std::string& prompt) override;
    void endProgram() override { ended_ = true; }

    template <typename Event>
    void deliver(Event&& event);
    // After the rules have run: the event is over, waits for a box, or ended
    // the game.
    void settle(Task event);
    bool refusing() const { return ended_ || closed_ || boxStanding_; }
    void showForm();
    void rememberFocus();
    KeyPolicy::Window keyWindow();

    View& view_;
    std::unique_ptr<RandomSource> random_;
    Controls controls_;
    Form1 form_;
    KeyPolicy keys_;
    // The event that waits for the standing box.
    Task waiting_;
    bool boxStanding_ = false;
    // The board as it stood before the current event, for its news.
    std::optional<News> news_;
    int focusedCard_ = 0;
    bool dealt_ = false;  // the current event rebuilt the window
    bool started_ = false;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
