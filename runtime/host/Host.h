// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "game/Form1.h"
#include "runtime/Generator.h"
#include "runtime/host/FormWindow.h"
#include "runtime/host/KeyPolicy.h"
#include "runtime/host/Toolkit.h"
#include "runtime/host/WindowEvents.h"
#include "runtime/host/WindowRuntime.h"

namespace diruvari {

// The one place that knows how a window event becomes a call into the rules
// and how the program ends, whatever the toolkit:
// - it delivers card clicks, "Reset" and the load to the form;
// - it refuses every event while a box stands, after the end and after the
//   window was closed;
// - it catches the end where it handed the event over and has the toolkit
//   close and quit; any other exception is a fault, reported on standard
//   error, and the program stops with a non-zero status;
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
    void windowClosed() override;
    KeyAnswer keyDown(const KeyEvent& event) override;
    KeyAnswer keyUp(const KeyEvent& event) override;
    void focusLost() override { keys_.forgetHeldKeys(); }

    bool ended() const { return ended_; }
    bool closed() const override { return closed_; }
    Form1& form() { return form_; }
    Runtime& runtime() { return runtime_; }

  private:
    void unloadForm() override;
    void showForm() override;
    void showBox(const std::string& prompt) override;

    template <typename Event>
    void deliver(Event&& event);
    bool refusing() const;
    void rememberFocus();
    void restoreFocus();
    KeyPolicy::Window keyWindow();

    Toolkit& toolkit_;
    WindowRuntime runtime_;
    Form1 form_;
    KeyPolicy keys_;
    int focusedCard_ = 0;
    bool dealt_ = false;  // the current event rebuilt the window
    bool started_ = false;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
