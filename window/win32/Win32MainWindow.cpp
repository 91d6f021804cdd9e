// SPDX-License-Identifier: MIT
#include "window/win32/Win32MainWindow.h"

#include <utility>

#include "runtime/host/WindowEvents.h"
#include "window/Design.h"
#include "window/DesignState.h"

namespace diruvari {

namespace {

constexpr wchar_t windowClass[] = L"DiruvariMainWindow";
constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int bundledFontResource = 101;

bool fontInstalled(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The key of a key message, as the host knows keys. With Ctrl or Alt held a
// key is a shortcut, never the board's.
Key keyOf(WPARAM vk) {
    switch (vk) {
        case VK_LEFT:
            return Key::Left;
        case VK_RIGHT:
            return Key::Right;
        case VK_UP:
            return Key::Up;
        case VK_DOWN:
            return Key::Down;
        case VK_SPACE:
        case VK_RETURN:
            return Key::Activate;
        default:
            return Key::Other;
    }
}

unsigned modifiersHeld() {
    const auto held = [](int vk) { return GetKeyState(vk) < 0; };
    return (held(VK_CONTROL) ? Ctrl : 0U) | (held(VK_MENU) ? Alt : 0U) |
           (held(VK_LWIN) || held(VK_RWIN) ? Meta : 0U) | (held(VK_SHIFT) ? Shift : 0U);
}

// The physical key: keypad Enter comes as VK_RETURN too, told apart by the
// extended-key bit, as are the grey arrows from the keypad's.
int codeOf(const MSG& msg) {
    const bool extended = (HIWORD(msg.lParam) & KF_EXTENDED) != 0;
    return static_cast<int>(msg.wParam) | (extended ? keypadCode : 0);
}

// The one window whose boxes' keys the message filter hands to the host.
Win32MainWindow* boxOwner = nullptr;

// The static text of a message box that holds its prompt.
constexpr int boxPromptId = 0xFFFF;

}  // namespace

Win32MainWindow::Win32MainWindow()
    : labels_{Win32Label(labelDesigns[0]), Win32Label(labelDesigns[1]),
              Win32Label(labelDesigns[2])} {
    for (int k = 0; k < cardCount; ++k) {
        cards_.emplace_back(k, *this);
    }
}

Win32MainWindow::~Win32MainWindow() {
    if (boxHook_ != nullptr) {
        UnhookWindowsHookEx(boxHook_);
    }
    if (boxOwner == this) {
        boxOwner = nullptr;
    }
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    DeleteObject(font_);
    DeleteObject(background_);
    if (bundledFont_ != nullptr) {
        RemoveFontMemResourceEx(bundledFont_);
    }
}

bool Win32MainWindow::create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    background_ = CreateSolidBrush(static_cast<COLORREF>(backgroundColor));
    if (background_ == nullptr || !registerClass(instance)) {
        return false;
    }
    HMENU bar = CreateMenu();
    if (bar == nullptr || !AppendMenuW(bar, MF_STRING, resetCommand, widen(resetCaption).c_str())) {
        if (bar != nullptr) {
            DestroyMenu(bar);
        }
        return false;
    }
    hwnd_ = CreateWindowExW(0, windowClass, widen(windowCaption).c_str(), windowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, bar, instance, this);
    if (hwnd_ == nullptr) {
        DestroyMenu(bar);  // a menu is the window's only once the window exists
        return false;
    }
    if (!createChildren(instance)) {
        // The window takes its menu and its children with it.
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        return false;
    }
    dpi_ = GetDpiForWindow(hwnd_);
    // A message box runs a loop of its own: its keys reach the host through
    // the thread's message filter, for the window that set it.
    boxOwner = this;
    boxHook_ = SetWindowsHookExW(WH_MSGFILTER, boxKeys, nullptr, GetCurrentThreadId());
    loadFont();
    resizeToClientArea(nullptr);
    layout();
    returnToDesign(*this);
    return true;
}

bool Win32MainWindow::registerClass(HINSTANCE instance) const {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.lpszClassName = windowClass;
    // A second window of the program finds the class registered.
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Win32MainWindow::createChildren(HINSTANCE instance) {
    // Cards first, in index order: that is the tab order.
    for (Win32Card& card : cards_) {
        if (!card.create(hwnd_)) {
            return false;
        }
    }
    for (Win32Label& label : labels_) {
        if (!label.create(hwnd_)) {
            return false;
        }
    }
    announcer_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                 hwnd_, nullptr, instance, nullptr);
    return announcer_ != nullptr;
}

int Win32MainWindow::px(Twips twips) const {
    return MulDiv(static_cast<int>(twips), static_cast<int>(dpi_), twipsPerInch);
}

int Win32MainWindow::scaled(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), logicalPixelsPerInch);
}

void Win32MainWindow::loadFont() {
    if (bundledFont_ == nullptr) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        if (HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(bundledFontResource),
                                        MAKEINTRESOURCEW(10));  // RT_RCDATA
            found != nullptr) {
            DWORD fonts = 0;
            bundledFont_ = AddFontMemResourceEx(LockResource(LoadResource(instance, found)),
                                                SizeofResource(instance, found), nullptr, &fonts);
        }
    }
    const std::wstring preferred = widen(labelFamily);
    const std::wstring family =
        fontInstalled(preferred.c_str()) ? preferred : widen(bundledLabelFamily);
    font_ = CreateFontW(-px(labelFontHeight), 0, 0, 0, labelFontWeight, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        ANTIALIASED_QUALITY, DEFAULT_PITCH, family.c_str());
}

// The labels take the new font before the old one is deleted: a label must
// never hold a deleted font, not even between two messages.
void Win32MainWindow::dpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    HFONT old = font_;
    loadFont();
    resizeToClientArea(&suggested);
    layout();
    DeleteObject(old);
}

void Win32MainWindow::resizeToClientArea(const RECT* suggested) {
    RECT r{0, 0, px(clientWidth), px(clientHeight)};
    AdjustWindowRectExForDpi(&r, windowStyle, TRUE, 0, dpi_);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    int x = 0;
    int y = 0;
    if (suggested != nullptr) {
        x = suggested->left;
        y = suggested->top;
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
    }
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame drawn differs from the one computed for the DPI (Wine
    // scales the computed menu bar, not the drawn one), the client area is
    // measured and the window sized once more.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int dx = px(clientWidth) - client.right;
    const int dy = px(clientHeight) - client.bottom;
    if (dx != 0 || dy != 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width + dx, height + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32MainWindow::layout() {
    for (const Win32Card& card : cards_) {
        card.place();
    }
    for (const Win32Label& label : labels_) {
        label.place(*this, font_);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

CardState& Win32MainWindow::Card(int k) {
    return cards_.at(static_cast<std::size_t>(k));
}

int Win32MainWindow::focusedCard() const {
    const HWND focus = GetFocus();
    for (const Win32Card& card : cards_) {
        if (card.hwnd() == focus) {
            return card.index();
        }
    }
    return -1;
}

void Win32MainWindow::announce(const std::string& news) {
    SetWindowTextW(announcer_, widen(news).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, announcer_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer_, OBJID_CLIENT, CHILDID_SELF);
}

void Win32MainWindow::focusCard(int k) {
    SetFocus(cards_.at(static_cast<std::size_t>(k)).hwnd());
}

void Win32MainWindow::showWindow() {
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
    }
    UpdateWindow(hwnd_);
}

void Win32MainWindow::showBox(const std::string& prompt) {
    boxOpen_ = true;
    const HHOOK opening = SetWindowsHookExW(WH_CBT, boxOpening, nullptr, GetCurrentThreadId());
    MessageBoxW(hwnd_, widen(prompt).c_str(), widen(applicationName).c_str(), MB_OK);
    UnhookWindowsHookEx(opening);
    boxOpen_ = false;
    // A close made while the box stood is finished now that it has gone.
    if (std::exchange(closeAfterBox_, false) && hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

// A box's prompt is an alert: readers speak it as the box opens, where the
// system itself tells them of no more than a dialog.
LRESULT CALLBACK Win32MainWindow::boxOpening(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (const HWND prompt = GetDlgItem(box, boxPromptId); prompt != nullptr) {
            NotifyWinEvent(EVENT_SYSTEM_ALERT, prompt, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// While a box stands the window is disabled and the box runs its own
// loop: the quit message makes it return, and the window is destroyed as it
// does. One call closes the window either way.
void Win32MainWindow::closeAndQuit() {
    if (boxOpen_) {
        closeAfterBox_ = true;
        PostQuitMessage(0);
    } else if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

int Win32MainWindow::runMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        process(msg);
    }
    return static_cast<int>(msg.wParam);
}

void Win32MainWindow::process(MSG& msg) {
    if (routeKey(msg) || IsDialogMessageW(hwnd_, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool Win32MainWindow::routeKey(const MSG& msg) {
    if (events_ == nullptr || (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP)) {
        return false;
    }
    // The key's own repeat bit is never asked: the host tells repeats.
    const KeyEvent key{keyOf(msg.wParam), codeOf(msg), static_cast<KeyTime>(msg.time), false, false,
                       modifiersHeld()};
    const KeyAnswer answer =
        msg.message == WM_KEYDOWN ? events_->keyDown(key) : events_->keyUp(key);
    return carryOut(
        answer, [this](int k) { SetFocus(cardWindow(k)); },
        [this](int k) { SendMessageW(cardWindow(k), BM_CLICK, 0, 0); });
}

LRESULT CALLBACK Win32MainWindow::boxKeys(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && boxOwner != nullptr &&
        boxOwner->routeKey(*reinterpret_cast<const MSG*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT Win32MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int k = static_cast<int>(item->CtlID) - cardCommand(0);
            if (k >= 0 && k < cardCount) {
                cards_.at(static_cast<std::size_t>(k)).draw(*item);
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetTextColor(reinterpret_cast<HDC>(wParam), static_cast<COLORREF>(labelTextColor));
            return reinterpret_cast<LRESULT>(background_);
        case WM_ERASEBKGND:
            return 1;  // painted with the frame, without flicker
        case WM_PAINT:
            paint();
            return 0;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (events_ != nullptr) {
                events_->windowClosed();
            } else {
                DestroyWindow(hwnd_);
            }
            return 0;
        case WM_ACTIVATEAPP:
            // Another program has the keyboard: a key held now is let go there.
            if (wParam == FALSE && events_ != nullptr) {
                events_->focusLost();
            }
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void Win32MainWindow::command(int id) {
    if (events_ == nullptr) {
        return;
    }
    if (id == resetCommand) {
        events_->resetChosen();
    } else if (id >= cardCommand(0) && id < cardCommand(cardCount)) {
        events_->cardClicked(id - cardCommand(0));
    }
}

void Win32MainWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    FillRect(dc, &ps.rcPaint, background_);
    frame_.paint(dc);
    EndPaint(hwnd_, &ps);
}

}  // namespace diruvari
