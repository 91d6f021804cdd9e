// SPDX-License-Identifier: MIT
#include "window/win32/Board.h"

#include <commctrl.h>

#include "window/CardName.h"
#include "window/Controls.h"
#include "window/win32/CardAccessible.h"
#include "window/win32/Widen.h"

namespace diruvari {

namespace {

// A colour value packs its channels as a COLORREF does.
void fill(HDC dc, const PixelRect& r, ColorValue color) {
    const RECT area{r.left, r.top, r.right(), r.bottom()};
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
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

HWND child(HWND parent, const wchar_t* kind, DWORD style, int id) {
    return CreateWindowExW(0, kind, L"", WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

bool Board::create(HWND parent) {
    parent_ = parent;
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        cards_.at(k) =
            child(parent, L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, cardCommand(static_cast<int>(k)));
        if (cards_.at(k) == nullptr || !SetWindowSubclass(cards_.at(k), cardProc, 0, 0)) {
            return false;
        }
    }
    for (HWND& label : labels_) {
        label = child(parent, L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0);
        if (label == nullptr) {
            return false;
        }
    }
    return true;
}

void Board::follow(int k, const CardControl& card, unsigned changes, const Drawing& drawing) {
    const HWND button = this->card(k);
    if ((changes & ColorChanged) != 0) {
        SetWindowLongPtrW(button, GWLP_USERDATA, card.backColor());
        SetWindowTextW(button, widen(cardName(k, card.backColor())).c_str());
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, button, OBJID_CLIENT, CHILDID_SELF);
        InvalidateRect(button, nullptr, FALSE);
    }
    if ((changes & PlaceChanged) != 0) {
        places_.at(static_cast<std::size_t>(k)) = {card.left(), card.top()};
        placeCard(k, drawing);
    }
    if ((changes & VisibilityChanged) != 0) {
        ShowWindow(button, card.visible() ? SW_SHOWNA : SW_HIDE);
    }
    if ((changes & SelectionChanged) != 0) {
        setCardSelected(button, card.selected());
    }
}

void Board::placeCard(int k, const Drawing& drawing) const {
    const auto& [left, top] = places_.at(static_cast<std::size_t>(k));
    const PixelRect r = drawing.card(left, top);
    SetWindowPos(card(k), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Board::follow(const FrameControl& frame, const Drawing& drawing) {
    invalidateRing(drawing);
    ring_.reset();
    if (frame.visible()) {
        ring_.emplace(frame.left(), frame.top());
    }
    invalidateRing(drawing);
}

void Board::invalidateRing(const Drawing& drawing) const {
    if (ring_) {
        const PixelRect r = drawing.ring(ring_->first, ring_->second).outer;
        const RECT area{r.left, r.top, r.right(), r.bottom()};
        InvalidateRect(parent_, &area, FALSE);
    }
}

void Board::setCaption(int label, const std::wstring& caption) {
    SetWindowTextW(labels_.at(static_cast<std::size_t>(label)), caption.c_str());
}

void Board::layout(const Drawing& drawing, HFONT font) const {
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        placeCard(static_cast<int>(k), drawing);
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const PixelRect r = drawing.label(static_cast<int>(i));
        SetWindowPos(labels_.at(i), nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(labels_.at(i), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void Board::paintRing(HDC dc, const Drawing& drawing) const {
    if (ring_) {
        for (const PixelRect& side : drawing.ring(ring_->first, ring_->second).sides()) {
            fill(dc, side, frameColor);
        }
    }
}

void Board::draw(const DRAWITEMSTRUCT& item, const Drawing& drawing) const {
    const RECT& r = item.rcItem;
    const PixelRect face{r.left, r.top, r.right - r.left, r.bottom - r.top};
    fill(item.hDC, face, static_cast<ColorValue>(GetWindowLongPtrW(item.hwndItem, GWLP_USERDATA)));
    for (const Band& band : drawing.bevel(face, (item.itemState & ODS_SELECTED) != 0)) {
        fill(item.hDC, band.rect, band.color);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        const PixelRect f = drawing.focus(face);
        const RECT focus{f.left, f.top, f.right(), f.bottom()};
        DrawFocusRect(item.hDC, &focus);
    }
}

int Board::cardOf(HWND button) const {
    for (std::size_t k = 0; k < cards_.size(); ++k) {
        if (cards_.at(k) == button) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

}  // namespace diruvari
