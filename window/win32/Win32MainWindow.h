// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <string>
#include <vector>

#include "runtime/host/Toolkit.h"
#include "window/InPlaceControls.h"
#include "window/win32/Win32Controls.h"

namespace diruvari {

// The command id of card k's button, and of "Reset" on the menu bar.
constexpr int cardCommand(int k) {
    return 1000 + k;
}
constexpr int resetCommand = 100;
// Opens the message box that the game asked for.
constexpr UINT openBoxMessage = WM_APP + 1;

// The main window on the Windows API: its design, the controls the rules
// work through, its message boxes, and the translation of window messages
// into the host's events. The cards are made once and a rebuild resets them
// in place.
class Win32MainWindow final : public InPlaceControls, public Toolkit {
  public:
    Win32MainWindow();
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates the window and its controls, hidden, centred on the screen.
    bool create();
    HWND hwnd() const { return hwnd_; }

    void attach(WindowEvents* events) override { events_ = events; }
    Controls& controls() override { return *this; }
    void showWindow() override;
    void showBox(const std::string& prompt) override;
    bool boxOpen() const override { return boxOpen_; }
    void closeAndQuit() override;
    void focusCard(int k) override;
    int focusedCard() const override;
    void announce(const std::string& news) override;

    // Runs the program's message loop until the quit message, and returns
    // its exit status.
    int runMessageLoop();
    // Handles one message of the loop: the keys as the host decides them,
    // then the dialog navigation between the cards, then the message itself.
    void process(MSG& msg);
    HWND cardWindow(int k) const { return cards_.at(static_cast<std::size_t>(k)).hwnd(); }

    // Twips, and logical pixels, in device pixels at the window's DPI.
    int px(Twips twips) const;
    int scaled(int pixels) const;

    CardState& Card(int k) override;
    FrameState& Frame() override { return frame_; }
    LabelControl& Level() override { return labels_[0]; }
    LabelControl& Cards() override { return labels_[1]; }
    LabelControl& Colors() override { return labels_[2]; }

  private:
    bool registerClass(HINSTANCE instance) const;
    bool createChildren(HINSTANCE instance);
    // Hands a key message, the boxes' too, to the host and does what it
    // answers; true when nothing else is to see the message.
    bool routeKey(const MSG& msg);
    static LRESULT CALLBACK boxKeys(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK boxOpening(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id);
    void openBox();
    void paint();
    void layout();
    void dpiChanged(UINT dpi, const RECT& suggested);
    void resizeToClientArea(const RECT* suggested);
    // Creates the labels' font for the window's DPI, leaving the old one be.
    void loadFont();
    // Makes the news label a polite live region, and undoes it.
    bool markLiveRegion();
    void clearLiveRegion();

    WindowEvents* events_ = nullptr;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::vector<Win32Card> cards_;
    Win32Frame frame_{*this};
    std::array<Win32Label, 3> labels_;
    // A static text that screen readers hear as a live region, its text the
    // last news: inside the client area, where readers keep it, painted as
    // nothing.
    HWND announcer_ = nullptr;
    IAccPropServices* annotations_ = nullptr;
    bool fontReported_ = false;
    HFONT font_ = nullptr;
    HANDLE bundledFont_ = nullptr;
    HBRUSH background_ = nullptr;
    HHOOK boxHook_ = nullptr;
    std::wstring boxPrompt_;
    bool boxOpen_ = false;
};

}  // namespace diruvari
