// SPDX-License-Identifier: MIT
#include "window/win32/Win32Controls.h"

#include <commctrl.h>

#include "window/CardName.h"
#include "window/Grid.h"
#include "window/win32/CardAccessible.h"
#include "window/win32/Win32MainWindow.h"

namespace diruvari {

namespace {

// A colour value packs its channels as a COLORREF does.
COLORREF colorRef(ColorValue color) {
    return static_cast<COLORREF>(color);
}

void fill(HDC dc, int left, int top, int right, int bottom, ColorValue color) {
    const RECT r{left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colorRef(color));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// Lines of width `w` along the top and left of `r`, and along its bottom and right.
void edge(HDC dc, const RECT& r, int w, ColorValue topLeft, ColorValue bottomRight) {
    fill(dc, r.left, r.top, r.right, r.top + w, topLeft);
    fill(dc, r.left, r.top, r.left + w, r.bottom, topLeft);
    fill(dc, r.left, r.bottom - w, r.right, r.bottom, bottomRight);
    fill(dc, r.right - w, r.top, r.right, r.bottom, bottomRight);
}

// A card's button answers screen readers with its selection as well.
LRESULT CALLBACK cardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR /*data*/) {
    switch (message) {
        case WM_GETOBJECT:
            return cardAccessibleObject(hwnd, wParam, lParam);
        case WM_NCDESTROY:
            forgetCardSelection(hwnd);
            RemoveWindowSubclass(hwnd, cardProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

std::wstring widen(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

bool Win32Card::create(HWND parent) {
    hwnd_ = CreateWindowExW(0, L"BUTTON", widen(cardName(index(), backColor())).c_str(),
                            WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(cardCommand(index()))),
                            GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr && SetWindowSubclass(hwnd_, cardProc, 0, 0);
}

void Win32Card::recoloured() {
    SetWindowTextW(hwnd_, widen(cardName(index(), backColor())).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32Card::selectionMarked() {
    setCardSelected(hwnd_, selected());
}

void Win32Card::setVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Card::place() const {
    const int size = window_.px(cardSize);
    SetWindowPos(hwnd_, nullptr, window_.px(left()), window_.px(top()), size, size,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Card::draw(const DRAWITEMSTRUCT& item) const {
    const RECT& r = item.rcItem;
    fill(item.hDC, r.left, r.top, r.right, r.bottom, backColor());
    const int w = window_.scaled(1);
    const RECT inner{r.left + w, r.top + w, r.right - w, r.bottom - w};
    if ((item.itemState & ODS_SELECTED) != 0) {
        edge(item.hDC, r, w, bevelOuterShadow, bevelOuterLight);
        edge(item.hDC, inner, w, bevelInnerShadow, bevelInnerLight);
    } else {
        edge(item.hDC, r, w, bevelOuterLight, bevelOuterShadow);
        edge(item.hDC, inner, w, bevelInnerLight, bevelInnerShadow);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = window_.scaled(focusInset);
        const RECT focus{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
        DrawFocusRect(item.hDC, &focus);
    }
}

// The outline, centred on the frame's square.
RECT Win32Frame::ring() const {
    const int x = window_.px(left());
    const int y = window_.px(top());
    const int size = window_.px(gridPitch);
    const int outside = window_.scaled(ringOutside);
    const int after = window_.scaled(ringOutside + 1);
    return {x - outside, y - outside, x + size + after, y + size + after};
}

void Win32Frame::selectionChanged() {
    window_.markSelection();
}

void Win32Frame::repaint() const {
    const RECT r = ring();
    InvalidateRect(window_.hwnd(), &r, FALSE);
}

void Win32Frame::paint(HDC dc) const {
    if (!visible()) {
        return;
    }
    const RECT r = ring();
    const int w = window_.scaled(ringWidth);
    edge(dc, r, w, frameColor, frameColor);
}

bool Win32Label::create(HWND parent) {
    hwnd_ = CreateWindowExW(0, L"STATIC", widen(design_.caption).c_str(),
                            WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
}

void Win32Label::setCaption(const std::string& caption) {
    caption_ = caption;
    SetWindowTextW(hwnd_, widen(caption).c_str());
}

void Win32Label::place(const Win32MainWindow& window, HFONT font) const {
    SetWindowPos(hwnd_, nullptr, window.px(design_.left), window.px(design_.top),
                 window.px(design_.width), window.px(design_.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace diruvari
