// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "runtime/host/Host.h"
#include "window/qt/MainWindow.h"

namespace diruvari {

// The game on Qt: the window made whole, then the host on it, and only then
// does the window report to the host.
class QtGame {
  public:
    explicit QtGame(std::unique_ptr<RandomSource> random = std::make_unique<Generator>())
        : host_(window_, std::move(random)) {
        window_.attach(&host_);
    }
    ~QtGame() { window_.attach(nullptr); }
    QtGame(const QtGame&) = delete;
    QtGame& operator=(const QtGame&) = delete;

    void start() { host_.start(); }

    MainWindow& window() { return window_; }
    Host& host() { return host_; }
    Form1& form() { return host_.form(); }
    Controls& controls() { return host_.controls(); }

  private:
    MainWindow window_;
    Host host_;
};

}  // namespace diruvari
