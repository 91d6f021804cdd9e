// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace diruvari {

constexpr UINT openBoxMessage = WM_APP + 1;

// The native message box, opened from the window's message loop with no
// game event on the stack. Its prompt is made an alert, which readers speak
// as it opens. Its keys, which its own loop keeps from the window's, reach
// `keys` through the thread's message filter, whose hook needs a global
// owner: one box per thread.
class Box {
  public:
    using Keys = std::function<bool(const MSG&)>;

    Box() = default;
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;
    ~Box();

    // False without the filter: a held key's repeats would answer the box.
    bool install(Keys keys);
    // Asks the owner's loop to open() the box, which runs until dismissed.
    void show(HWND owner, const std::string& prompt);
    void open(HWND owner);
    void answer() const;

  private:
    static LRESULT CALLBACK keysFilter(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK opening(int code, WPARAM wParam, LPARAM lParam);

    Keys keys_;
    HHOOK filter_ = nullptr;
    std::wstring prompt_;
    HWND window_ = nullptr;  // the box while it stands
};

}  // namespace diruvari
