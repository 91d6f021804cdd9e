// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "window/View.h"
#include "window/win32/Board.h"
#include "window/win32/Box.h"
#include "window/win32/LabelFont.h"
#include "window/win32/LiveRegion.h"

namespace diruvari {

class Host;

// The command id of "Reset" on the menu bar.
constexpr int resetCommand = 100;

// The main window on the Windows API: the view of the controls with native
// widgets, its message box, and the translation of window messages into
// the host's events. The cards are made once and a rebuild resets them in
// place.
class Win32MainWindow final : public View {
  public:
    Win32MainWindow() = default;
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates the window and its controls, hidden, centred on the screen.
    bool create();
    HWND hwnd() const { return hwnd_; }
    // Where the window reports the player's input; null detaches it.
    void attach(Host* host) { host_ = host; }

    void cardChanged(int k, const CardControl& card, unsigned changes) override;
    void frameChanged(const FrameControl& frame) override;
    void captionChanged(int i, const LabelControl& label) override;
    void showWindow() override;
    void showBox(const std::string& prompt) override { box_.show(hwnd_, prompt); }
    void announce(const std::string& news) override;
    void focusCard(int k) override { SetFocus(board_.card(k)); }
    int focusedCard() const override { return board_.cardOf(GetFocus()); }
    void closeAndQuit() override;

    // Runs the program's message loop until the quit message, and returns
    // its exit status.
    int runMessageLoop();
    // Handles one message of the loop: the keys as the host decides them,
    // then the dialog navigation between the cards, then the message itself.
    void process(MSG& msg);
    HWND cardWindow(int k) const { return board_.card(k); }

  private:
    bool registerClass(HINSTANCE instance) const;
    bool createWindow(HINSTANCE instance);
    // Hands a key message, the box's too, to the host and does what it
    // answers; true when nothing else is to see the message.
    bool routeKey(const MSG& msg);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT colorStatic(HDC dc, HWND control) const;
    void command(int id);
    void openBox();
    void paint();
    void dpiChanged(UINT dpi, const RECT& suggested);
    void destroyed();

    Host* host_ = nullptr;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    Board board_;
    LiveRegion news_;
    LabelFont face_;
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    Box box_;
};

}  // namespace diruvari
