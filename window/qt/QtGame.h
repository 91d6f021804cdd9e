#pragma once

#include "game/Form1.h"
#include "runtime/qt/QtRuntime.h"
#include "window/qt/MainWindow.h"

namespace diruvari {

// The game on Qt: the window, the runtime on it and the form that plays on
// both, wired together.
class QtGame {
  public:
    explicit QtGame(Generator generator = Generator());
    QtGame(const QtGame&) = delete;
    QtGame& operator=(const QtGame&) = delete;

    // Loads the form and shows the window centred on the screen.
    void start();

    MainWindow& window() { return window_; }
    Form1& form() { return form_; }

  private:
    // The form comes first so that the window can be handed it; it only
    // keeps references to the window and runtime until they are used.
    Form1 form_;
    MainWindow window_;
    QtRuntime runtime_;
};

}  // namespace diruvari
