#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <vector>

#include "window/Controls.h"
#include "window/win32/Win32Controls.h"

namespace diruvari {

class Form1;

// The command id of card k's button, and of "Reset" on the menu bar.
constexpr int cardCommand(int k) {
    return 1000 + k;
}
constexpr int resetCommand = 100;

// The main window on the Windows API: its design, the controls the rules
// work through, and the translation of clicks into the form's events. As in
// the Qt window, the cards are made once and a rebuild resets them in place.
class Win32MainWindow final : public Controls, public FormWindow {
  public:
    explicit Win32MainWindow(Form1& form);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates the window and its controls, hidden, centred on the screen.
    bool create();
    HWND hwnd() const { return hwnd_; }
    bool ended() const { return ended_; }
    // Handles the keys the cards answer to (arrows, Enter) before the
    // dialog navigation of the message loop sees them.
    bool translateKey(const MSG& msg);

    // Twips, and logical pixels, in device pixels at the window's DPI.
    int px(Twips twips) const;
    int scaled(int pixels) const;

    void loadCard(int k) override;
    CardControl& Card(int k) override;
    FrameControl& Frame() override { return frame_; }
    LabelControl& Level() override { return labels_[0]; }
    LabelControl& Cards() override { return labels_[1]; }
    LabelControl& Colors() override { return labels_[2]; }

    void unloadForm() override;
    void showForm() override;
    bool closed() const override { return closed_; }

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id);
    void close();
    void paint();
    void layout();
    void resizeToClientArea(const RECT* suggested);
    void loadFont();
    void deliver(const std::function<void(Form1&)>& event);
    int cardWithFocus() const;

    Form1& form_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::vector<Win32Card> cards_;
    Win32Frame frame_{*this};
    std::array<Win32Label, 3> labels_;
    HFONT font_ = nullptr;
    HANDLE bundledFont_ = nullptr;
    HBRUSH background_ = nullptr;
    int focusedCard_ = -1;
    bool ended_ = false;
    bool closed_ = false;
};

}  // namespace diruvari
