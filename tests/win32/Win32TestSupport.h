// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedRandom.h"
#include "runtime/host/Host.h"
#include "window/win32/Win32MainWindow.h"

namespace diruvari::test {

// The top left corner of card k's grid square in the client area, in
// logical pixels.
constexpr int gridX(int k) {
    return 33 * (k % 4);
}
constexpr int gridY(int k) {
    return 33 * (k / 4);
}

std::string narrow(const std::wstring& text);
std::string windowText(HWND window);

// Answers every message box (class #32770) of this thread as a player
// would: records its prompt, lets the test look at it, then presses OK. It
// runs on a thread timer, which the box's own loop dispatches.
class BoxAnswerer {
  public:
    BoxAnswerer();
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<std::string> prompts;
    std::vector<std::string> titles;
    // Called once a box has opened, before OK is pressed.
    std::function<void(HWND box)> whileOpen;
    // Timer ticks a box stands before OK is pressed.
    int waitTicks = 0;
    // Boxes that stood until OK was pressed.
    int answered = 0;

  private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void poll();

    UINT_PTR timer_;
    HWND current_ = nullptr;
    int ticks_ = 0;
    bool busy_ = false;
};

// The real Windows window and host, shown, with random numbers from a
// generator on a fixed clock, which a test may script ahead of.
class Win32GameTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Handles every message waiting, as the program's loop does.
    void pump();
    // Runs the program's loop until it quits; 7 when it never does.
    int runToQuit();
    // A click on card k, as the button's own click sends it.
    void click(int k);
    void chooseReset();
    // Key messages to the window that has the focus, each a moment after
    // the one before, as a keyboard's are: a press, a release, or both.
    // `extended` marks the keypad's Enter (and the grey keys).
    void press(UINT vk, bool extended = false);
    void release(UINT vk, bool extended = false);
    void key(UINT vk);
    void paintBoard(const std::string& board);
    // The Level, Cards and Colors labels' texts, by position 0-2.
    std::string label(int i);
    HWND labelWindow(int i);
    // The client area's pixel at x, y, in device pixels.
    COLORREF pixel(int x, int y);
    COLORREF cardPixel(int k, int x, int y);
    int focusedCard();

    std::unique_ptr<Win32MainWindow> owned = std::make_unique<Win32MainWindow>();
    Win32MainWindow& window = *owned;
    ScriptedRandom* random = nullptr;
    std::unique_ptr<Host> host;
    BoxAnswerer boxes;
};

}  // namespace diruvari::test
