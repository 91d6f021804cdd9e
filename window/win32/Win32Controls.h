#pragma once

#include <windows.h>

#include <string>

#include "window/Controls.h"
#include "window/Design.h"
#include "window/Grid.h"

namespace diruvari {

class Win32MainWindow;

std::wstring widen(const std::string& text);

// A card: an owner-drawn push button, painted in its colour inside a raised
// bevel. Its window text, which an owner-drawn button never shows, is its
// name for screen readers ("Red card, row 1, column 2").
class Win32Card final : public CardControl {
  public:
    Win32Card(int index, const Win32MainWindow& window) : index_(index), window_(window) {}

    void create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    int index() const { return index_; }

    ColorValue backColor() const override { return color_; }
    void setBackColor(ColorValue color) override;
    void setLeft(Twips left) override;
    void setTop(Twips top) override;
    void setVisible(bool visible) override;

    // Places the button for the window's current DPI.
    void place() const;
    void draw(const DRAWITEMSTRUCT& item) const;

  private:
    int index_;
    const Win32MainWindow& window_;
    HWND hwnd_ = nullptr;
    ColorValue color_ = cardDesignColor;
    Twips left_ = cardMargin;
    Twips top_ = cardMargin;
};

// The selection frame, drawn by the main window beneath its cards.
class Win32Frame final : public FrameControl {
  public:
    explicit Win32Frame(const Win32MainWindow& window) : window_(window) {}

    bool visible() const override { return visible_; }
    void setVisible(bool visible) override;
    void setLeft(Twips left) override;
    void setTop(Twips top) override;
    std::string tag() const override { return tag_; }
    void setTag(const std::string& tag) override { tag_ = tag; }

    void paint(HDC dc) const;

  private:
    RECT ring() const;
    void invalidate() const;

    const Win32MainWindow& window_;
    bool visible_ = false;
    Twips left_ = 0;
    Twips top_ = 0;
    std::string tag_;
};

// A static text label in the blackletter face.
class Win32Label final : public LabelControl {
  public:
    explicit Win32Label(const LabelDesign& design) : design_(design) {}

    void create(HWND parent);
    void setCaption(const std::string& caption) override;
    void place(const Win32MainWindow& window, HFONT font) const;

  private:
    LabelDesign design_;
    HWND hwnd_ = nullptr;
};

}  // namespace diruvari
