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

// Where a window event becomes a call into the rules, whatever the toolkit:
// the rules' runtime, owning the form and the controls; the view is borrowed.
// It refuses every event while a box stands and after the end or the close,
// holds the event that waits for a box until the view reports OK, decides
// every key (KeyPolicy), keeps the focus on the card that had it across a
// box or a rebuild, and has the view announce each event's news (News).
// An impossible state is a fault: one line on standard error, then a stop.
class Host final : public Runtime {
  public:
    explicit Host(View& view, std::unique_ptr<RandomSource> random = std::make_unique<Generator>());
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The first load, then the window shown with card 0 focused.
    void start();

    // What the view reports of the player.
    void cardClicked(int k);
    void resetChosen();
    // The standing box was dismissed (OK, or a key or close taken as OK).
    void boxAnswered();
    // The player closes the window, perhaps while a box stands.
    void windowClosed();
    // Every key down and up on the window and its boxes.
    KeyAnswer keyDown(const KeyEvent& event);
    KeyAnswer keyUp(const KeyEvent& event);
    // The window lost the keyboard to another program (not to its own box).
    void focusLost() { keys_.forgetHeldKeys(); }

    // No game code runs again: the final win, or a close while a box stood.
    bool ended() const { return ended_; }
    bool closed() const { return closed_; }
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
    // The event is over, waits for a box, or ended the game.
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
    Task waiting_;  // the event that waits for the standing box
    bool boxStanding_ = false;
    std::optional<News> news_;  // the board before the current event
    int focusedCard_ = 0;
    bool dealt_ = false;  // the current event rebuilt the window
    bool started_ = false;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
