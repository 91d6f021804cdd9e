// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "window/CardState.h"
#include "window/Controls.h"
#include "window/Design.h"
#include "window/FrameState.h"

namespace diruvari {

class Win32MainWindow;

std::wstring widen(const std::string& text);

// A card: an owner-drawn push button, painted in its colour inside a raised
// bevel. Its window text, which an owner-drawn button never shows, is its
// name for screen readers ("Red card, row 1, column 2").
class Win32Card final : public CardState {
  public:
    Win32Card(int index, const Win32MainWindow& window) : CardState(index), window_(window) {}

    bool create(HWND parent);  // false when the control could not be made
    HWND hwnd() const { return hwnd_; }
    void setVisible(bool visible) override;

    // Places the button for the window's current DPI.
    void place() const;
    void draw(const DRAWITEMSTRUCT& item) const;

  private:
    void recoloured() override;
    void moved() override { place(); }
    void selectionMarked() override;

    const Win32MainWindow& window_;
    HWND hwnd_ = nullptr;
};

// The selection frame, drawn by the main window beneath its cards.
class Win32Frame final : public FrameState {
  public:
    explicit Win32Frame(Win32MainWindow& window) : window_(window) {}

    void paint(HDC dc) const;

  private:
    RECT ring() const;
    void repaint() const override;
    void selectionChanged() override;

    Win32MainWindow& window_;
};

// A static text label in the blackletter face.
class Win32Label final : public LabelControl {
  public:
    explicit Win32Label(const LabelDesign& design) : design_(design) {}

    bool create(HWND parent);  // false when the control could not be made
    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    void place(const Win32MainWindow& window, HFONT font) const;

  private:
    LabelDesign design_;
    std::string caption_ = design_.caption;
    HWND hwnd_ = nullptr;
};

}  // namespace diruvari
