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

constexpr int resetCommand = 100;

// The main window on the Windows API: the controls' view in native widgets,
// made once and reset in place, and window messages as the host's events.
class Win32MainWindow final : public View {
  public:
    Win32MainWindow() = default;
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Hidden, centred on the screen.
    bool create();
    HWND hwnd() const { return hwnd_; }
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

    int runMessageLoop();
    // The keys as the host decides them, then dialog navigation, then the
    // message itself.
    void process(MSG& msg);
    HWND cardWindow(int k) const { return board_.card(k); }

  private:
    bool registerClass(HINSTANCE instance) const;
    bool createWindow(HINSTANCE instance);
    // True when nothing else is to see the key message.
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
