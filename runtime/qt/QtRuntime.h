#pragma once

#include "runtime/Generator.h"
#include "runtime/Runtime.h"
#include "window/Controls.h"

class QWidget;

namespace diruvari {

// The runtime on Qt: message boxes parented to the game's window, the
// rebuild of that window, and the generator.
class QtRuntime final : public Runtime {
  public:
    QtRuntime(QWidget& owner, FormWindow& window, Generator generator = Generator());

    void randomize() override { generator_.reseed(); }
    float nextRandom() override { return generator_.next(); }
    void messageBox(const std::string& prompt) override;
    void rebuildWindow() override;
    [[noreturn]] void end() override;

  private:
    QWidget& owner_;
    FormWindow& window_;
    Generator generator_;
};

}  // namespace diruvari
