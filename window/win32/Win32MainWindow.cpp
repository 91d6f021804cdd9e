// SPDX-License-Identifier: MIT
#include "window/win32/Win32MainWindow.h"

#include <utility>
#include "runtime/host/Host.h"
#include "window/Controls.h"
#include "window/Design.h"

#include "window/win32/Dpi.h"
#include "window/win32/Keys.h"
#include "window/win32/Widen.h"

namespace diruvari {

namespace {

constexpr wchar_t windowClass[] = L"DiruvariMainWindow";
constexpr DWORD windowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

Win32MainWindow::~Win32MainWindow() {
    news_.clear();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    DeleteObject(font_);
    DeleteObject(background_);
}

bool Win32MainWindow::create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    background_ = CreateSolidBrush(static_cast<COLORREF>(backgroundColor));
    if (background_ == nullptr || !registerClass(instance) || !createWindow(instance)) {
        return false;
    }
    // The window takes its menu and its children with it.
    if (!board_.create(hwnd_) || !news_.create(hwnd_) ||
        !box_.install([this](const MSG& msg) { return routeKey(msg); })) {
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        return false;
    }
    dpi_ = GetDpiForWindow(hwnd_);
    font_ = face_.create(dpi_);
    fitClientArea(hwnd_, windowStyle, dpi_, nullptr);
    board_.layout(drawingAt(dpi_), font_);
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

bool Win32MainWindow::createWindow(HINSTANCE instance) {
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
    }
    return hwnd_ != nullptr;
}

void Win32MainWindow::cardChanged(int k, const CardControl& card, unsigned changes) {
    board_.follow(k, card, changes, drawingAt(dpi_));
}

void Win32MainWindow::frameChanged(const FrameControl& frame) {
    board_.follow(frame, drawingAt(dpi_));
}

void Win32MainWindow::captionChanged(int i, const LabelControl& label) {
    board_.setCaption(i, widen(label.caption()));
}

void Win32MainWindow::announce(const std::string& news) {
    news_.say(widen(news));
}

void Win32MainWindow::showWindow() {
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
    }
    UpdateWindow(hwnd_);
}

// OK reaches the host once the box's own loop has returned.
void Win32MainWindow::openBox() {
    box_.open(hwnd_);
    if (host_ != nullptr) {
        host_->boxAnswered();
    }
}

// The window takes its box with it; its end posts the quit message.
void Win32MainWindow::closeAndQuit() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

// The labels take the new font before the old one is deleted.
void Win32MainWindow::dpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    HFONT old = std::exchange(font_, face_.create(dpi_));
    fitClientArea(hwnd_, windowStyle, dpi_, &suggested);
    board_.layout(drawingAt(dpi_), font_);
    InvalidateRect(hwnd_, nullptr, TRUE);
    DeleteObject(old);
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
    if (host_ == nullptr || (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP)) {
        return false;
    }
    const KeyEvent key = keyEventOf(msg);
    const KeyAnswer answer = msg.message == WM_KEYDOWN ? host_->keyDown(key) : host_->keyUp(key);
    return carryOut(
        answer, [this](int k) { SetFocus(board_.card(k)); },
        [this](int k) { SendMessageW(board_.card(k), BM_CLICK, 0, 0); }, [this] { box_.answer(); });
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
        case WM_DRAWITEM:
            board_.draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), drawingAt(dpi_));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return colorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return 1;  // painted with the frame, without flicker
        case WM_PAINT:
            paint();
            return 0;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            host_ != nullptr ? host_->windowClosed() : closeAndQuit();
            return 0;
        case WM_ACTIVATEAPP:
            // Another program has the keyboard: a key held now is let go there.
            if (wParam == FALSE && host_ != nullptr) {
                host_->focusLost();
            }
            return 0;
        case WM_DESTROY:
            destroyed();
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

// The news label paints nothing: its text is for readers.
LRESULT Win32MainWindow::colorStatic(HDC dc, HWND control) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc,
                 static_cast<COLORREF>(control == news_.hwnd() ? backgroundColor : labelTextColor));
    return reinterpret_cast<LRESULT>(background_);
}

void Win32MainWindow::destroyed() {
    news_.clear();
    hwnd_ = nullptr;
    PostQuitMessage(0);
}

void Win32MainWindow::command(int id) {
    if (host_ == nullptr) {
        return;
    }
    if (id == resetCommand) {
        host_->resetChosen();
    } else if (id >= cardCommand(0) && id < cardCommand(16)) {
        host_->cardClicked(id - cardCommand(0));
    }
}

void Win32MainWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    FillRect(dc, &ps.rcPaint, background_);
    board_.paintRing(dc, drawingAt(dpi_));
    EndPaint(hwnd_, &ps);
}

}  // namespace diruvari
