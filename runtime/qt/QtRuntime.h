#pragma once

#include "runtime/WindowRuntime.h"

class QWidget;

namespace diruvari {

// The runtime on Qt: its message boxes are QMessageBoxes owned by the game's
// window and titled with the application's name.
class QtRuntime final : public WindowRuntime {
  public:
    QtRuntime(QWidget& owner, FormWindow& window, Generator generator = Generator())
        : WindowRuntime(window, std::move(generator)), owner_(owner) {}

  protected:
    void showMessageBox(const std::string& prompt) override;

  private:
    QWidget& owner_;
};

}  // namespace diruvari
