// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>

namespace diruvari::test {

// An Xvfb server of the test's own, with the keyboard's autorepeat on as a
// player's desktop has it. It serves while the object lives.
class XServer {
  public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace diruvari::test
