// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace diruvari {

// Opens the message box that the game asked for, from the message loop.
constexpr UINT openBoxMessage = WM_APP + 1;

// The window's message box: the native one, with an OK button, titled with
// the application's name. It is opened from the window's message loop, with
// nothing of the game's event on the stack under it (the event waits in the
// host), and runs a loop of its own until it is dismissed. Its prompt is an
// alert, which readers speak as it opens, where the system itself tells
// them of no more than a dialog. Its keys, which its own loop would keep
// from the window's, reach `keys` through the thread's message filter,
// which needs a global owner: one box of this thread sets it.
class Box {
  public:
    using Keys = std::function<bool(const MSG&)>;

    Box() = default;
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;
    ~Box();

    // False when the message filter could not be set: without it a box's
    // keys would bypass the host, and a held key's repeats would answer it.
    bool install(Keys keys);
    // Asks the owner's loop to open the box with the prompt.
    void show(HWND owner, const std::string& prompt);
    // Runs the box until it is dismissed.
    void open(HWND owner);
    // OK on the box that stands.
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
