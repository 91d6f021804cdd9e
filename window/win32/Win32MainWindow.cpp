// SPDX-License-Identifier: MIT
#include "window/win32/Win32MainWindow.h"

#include <cstdio>
#include <string>
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

// The key of a key message, as the host knows keys; which modifiers make it
// a shortcut is the host's to decide, from modifiersHeld().
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

// The control id that user32's message box gives the static text with its
// prompt. It is no documented interface: the prompt is found by its text,
// and this id is asked only where no static child carries the text.
constexpr int boxPromptId = 0xFFFF;

// UI Automation's LiveSetting property, as Dynamic Annotation sets it on a
// window (UIAutomationCoreApi.h, which mingw-w64 lacks), and its Polite
// value.
constexpr GUID liveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG politeLiveSetting = 1;
// Dynamic Annotation's class and interface, by value: the uuid library that
// names them would bring a second IID_IAccessible beside oleacc's.
constexpr GUID accPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID accPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// The window's own accessible object, as Dynamic Annotation takes its id.
constexpr auto clientObject = static_cast<DWORD>(OBJID_CLIENT);

// The static text of a message box whose text is the prompt.
HWND promptOf(HWND box, const std::wstring& prompt) {
    struct Search {
        const std::wstring& prompt;
        HWND found;
    } search{prompt, nullptr};
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(data);
            wchar_t name[8] = {};
            GetClassNameW(child, name, 8);
            std::wstring text(wanted->prompt.size() + 2, L'\0');
            text.resize(static_cast<std::size_t>(
                GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
            if (lstrcmpiW(name, L"Static") == 0 && text == wanted->prompt) {
                wanted->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr ? search.found : GetDlgItem(box, boxPromptId);
}

}  // namespace

Win32MainWindow::Win32MainWindow()
    : labels_{Win32Label(labelDesigns[0]), Win32Label(labelDesigns[1]),
              Win32Label(labelDesigns[2])} {
    for (int k = 0; k < cardCount; ++k) {
        cards_.emplace_back(k, *this);
    }
}

Win32MainWindow::~Win32MainWindow() {
    clearLiveRegion();
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
    if (boxHook_ == nullptr) {
        // Without it a box's keys would bypass the host, and a held key's
        // repeats would answer the box.
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        return false;
    }
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
    announcer_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 1, 1,
                                 hwnd_, nullptr, instance, nullptr);
    if (announcer_ == nullptr) {
        return false;
    }
    // A system without Dynamic Annotation (Wine answers E_NOTIMPL) still has
    // the live region's events: the game goes on, and says so to a debugger.
    if (!markLiveRegion()) {
        OutputDebugStringW(L"diruvari: the news label is no live region for UI Automation\n");
    }
    return true;
}

// As Windows documents a live region for a control: the LiveSetting
// property on its window, through Dynamic Annotation, which UI Automation
// and the readers that use it (Narrator, NVDA) read; and after each change,
// EVENT_OBJECT_LIVEREGIONCHANGED (announce).
bool Win32MainWindow::markLiveRegion() {
    if (FAILED(CoCreateInstance(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                accPropServicesInterface,
                                reinterpret_cast<void**>(&annotations_)))) {
        annotations_ = nullptr;
        return false;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    return SUCCEEDED(
        annotations_->SetHwndProp(announcer_, clientObject, CHILDID_SELF, liveSetting, polite));
}

void Win32MainWindow::clearLiveRegion() {
    if (annotations_ == nullptr) {
        return;
    }
    if (announcer_ != nullptr) {
        annotations_->ClearHwndProps(announcer_, clientObject, CHILDID_SELF, &liveSetting, 1);
    }
    annotations_->Release();
    annotations_ = nullptr;
}

int Win32MainWindow::px(Twips twips) const {
    return MulDiv(static_cast<int>(twips), static_cast<int>(dpi_), twipsPerInch);
}

int Win32MainWindow::scaled(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), logicalPixelsPerInch);
}

void Win32MainWindow::loadFont() {
    const std::wstring preferred = widen(labelFamily);
    const bool installed = fontInstalled(preferred.c_str());
    if (bundledFont_ == nullptr && !installed) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        if (HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(bundledFontResource),
                                        MAKEINTRESOURCEW(10));  // RT_RCDATA
            found != nullptr) {
            DWORD fonts = 0;
            bundledFont_ = AddFontMemResourceEx(LockResource(LoadResource(instance, found)),
                                                SizeofResource(instance, found), nullptr, &fonts);
        }
    }
    const std::wstring family = installed ? preferred : widen(bundledLabelFamily);
    font_ = CreateFontW(-px(labelFontHeight), 0, 0, 0, labelFontWeight, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        ANTIALIASED_QUALITY, DEFAULT_PITCH, family.c_str());
    // Said once, as the Qt game says it: the labels are in a face other
    // than the game's, the system's own where no font could be made.
    if ((font_ == nullptr || (!installed && bundledFont_ == nullptr)) &&
        !std::exchange(fontReported_, true)) {
        const std::wstring said = L"diruvari: the labels' face " + family +
                                  L" did not load; they are shown in the default face\n";
        OutputDebugStringW(said.c_str());
        std::fputws(said.c_str(), stderr);
    }
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

// The box runs a loop of its own until OK: it is opened from the window's
// message loop, with nothing of the game's event on the stack under it (the
// event waits in the host), and its dismissal is reported to the host.
void Win32MainWindow::showBox(const std::string& prompt) {
    boxPrompt_ = widen(prompt);
    boxOpen_ = true;
    PostMessageW(hwnd_, openBoxMessage, 0, 0);
}

void Win32MainWindow::openBox() {
    const HHOOK opening = SetWindowsHookExW(WH_CBT, boxOpening, nullptr, GetCurrentThreadId());
    MessageBoxW(hwnd_, boxPrompt_.c_str(), widen(applicationName).c_str(), MB_OK);
    UnhookWindowsHookEx(opening);
    boxOpen_ = false;
    if (events_ != nullptr) {
        events_->boxAnswered();
    }
}

// A box's prompt is an alert: readers speak it as the box opens, where the
// system itself tells them of no more than a dialog.
LRESULT CALLBACK Win32MainWindow::boxOpening(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && boxOwner != nullptr) {
        const auto box = reinterpret_cast<HWND>(wParam);
        if (const HWND prompt = promptOf(box, boxOwner->boxPrompt_); prompt != nullptr) {
            NotifyWinEvent(EVENT_SYSTEM_ALERT, prompt, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The window takes any box it owns with it; its end posts the quit message,
// which also ends a box's loop.
void Win32MainWindow::closeAndQuit() {
    if (hwnd_ != nullptr) {
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
        case openBoxMessage:
            openBox();
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int k = static_cast<int>(item->CtlID) - cardCommand(0);
            if (k >= 0 && k < cardCount) {
                cards_.at(static_cast<std::size_t>(k)).draw(*item);
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            // The news label paints nothing: its text is for readers.
            const bool news = reinterpret_cast<HWND>(lParam) == announcer_;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetTextColor(reinterpret_cast<HDC>(wParam),
                         static_cast<COLORREF>(news ? backgroundColor : labelTextColor));
            return reinterpret_cast<LRESULT>(background_);
        }
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
            clearLiveRegion();
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
