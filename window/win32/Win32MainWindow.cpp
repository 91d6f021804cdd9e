#include "window/win32/Win32MainWindow.h"

#include "game/Form1.h"
#include "runtime/Runtime.h"
#include "window/Design.h"
#include "window/Grid.h"

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

}  // namespace

Win32MainWindow::Win32MainWindow(Form1& form)
    : form_(form),
      labels_{Win32Label(labelDesigns[0]), Win32Label(labelDesigns[1]),
              Win32Label(labelDesigns[2])} {
    for (int k = 0; k < cardCount; ++k) {
        cards_.emplace_back(k, *this);
    }
}

Win32MainWindow::~Win32MainWindow() {
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
    background_ = CreateSolidBrush(RGB(255, 192, 128));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = windowClass;
    RegisterClassExW(&wc);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, resetCommand, L"Reset");
    hwnd_ = CreateWindowExW(0, windowClass, L"Diruvari!", windowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            0, 0, nullptr, bar, instance, this);
    if (hwnd_ == nullptr) {
        return false;
    }
    dpi_ = GetDpiForWindow(hwnd_);
    // Cards first, in index order: that is the tab order.
    for (Win32Card& card : cards_) {
        card.create(hwnd_);
    }
    for (Win32Label& label : labels_) {
        label.create(hwnd_);
    }
    loadFont();
    resizeToClientArea(nullptr);
    layout();
    unloadForm();
    return true;
}

int Win32MainWindow::px(Twips twips) const {
    return MulDiv(static_cast<int>(twips), static_cast<int>(dpi_), 1440);
}

int Win32MainWindow::scaled(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), 96);
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
    const wchar_t* family =
        fontInstalled(L"Rothenburg Decorative") ? L"Rothenburg Decorative" : L"Blankenburg_UNZ1A";
    DeleteObject(font_);
    font_ = CreateFontW(-px(labelFontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        ANTIALIASED_QUALITY, DEFAULT_PITCH, family);
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

void Win32MainWindow::loadCard(int k) {
    cards_.at(static_cast<std::size_t>(k)).reset();
}

CardControl& Win32MainWindow::Card(int k) {
    return cards_.at(static_cast<std::size_t>(k));
}

int Win32MainWindow::cardWithFocus() const {
    const HWND focus = GetFocus();
    for (const Win32Card& card : cards_) {
        if (card.hwnd() == focus) {
            return card.index();
        }
    }
    return -1;
}

void Win32MainWindow::unloadForm() {
    if (const int k = cardWithFocus(); k >= 0) {
        focusedCard_ = k;
    }
    for (Win32Card& card : cards_) {
        card.reset();
    }
    frame_.reset();
    for (Win32Label& label : labels_) {
        label.reset();
    }
}

void Win32MainWindow::showForm() {
    form_.Form_Load();
    if (!IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
    }
    UpdateWindow(hwnd_);
    if (focusedCard_ >= 0) {
        SetFocus(cards_.at(static_cast<std::size_t>(focusedCard_)).hwnd());
    }
}

bool Win32MainWindow::translateKey(const MSG& msg) {
    const int k = cardWithFocus();
    if (msg.message != WM_KEYDOWN || k < 0) {
        return false;
    }
    int target = -1;
    switch (msg.wParam) {
        case VK_LEFT:
            target = neighbourCard(k, Step::Left);
            break;
        case VK_RIGHT:
            target = neighbourCard(k, Step::Right);
            break;
        case VK_UP:
            target = neighbourCard(k, Step::Up);
            break;
        case VK_DOWN:
            target = neighbourCard(k, Step::Down);
            break;
        case VK_RETURN:
            SendMessageW(cards_.at(static_cast<std::size_t>(k)).hwnd(), BM_CLICK, 0, 0);
            return true;
        default:
            return false;
    }
    if (target >= 0) {
        SetFocus(cards_.at(static_cast<std::size_t>(target)).hwnd());
    }
    return true;
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
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(background_);
        case WM_ERASEBKGND:
            return 1;  // painted with the frame, without flicker
        case WM_PAINT:
            paint();
            return 0;
        case WM_DPICHANGED:
            dpi_ = HIWORD(wParam);
            loadFont();
            resizeToClientArea(reinterpret_cast<const RECT*>(lParam));
            layout();
            return 0;
        case WM_CLOSE:
            close();
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
    if (id == resetCommand) {
        deliver([](Form1& form) { form.mnuReset_Click(); });
    } else if (id >= cardCommand(0) && id < cardCommand(cardCount)) {
        const auto k = static_cast<std::int16_t>(id - cardCommand(0));
        deliver([k](Form1& form) { form.Card_Click(k); });
    }
}

// Closing ends the program whatever is going on. While a message box is open
// the window is disabled: the quit message makes the box return, and the
// runtime then ends the game.
void Win32MainWindow::close() {
    closed_ = true;
    if (IsWindowEnabled(hwnd_)) {
        DestroyWindow(hwnd_);
    } else {
        PostQuitMessage(0);
    }
}

void Win32MainWindow::deliver(const std::function<void(Form1&)>& event) {
    // A box disables the window; an event that slips past it (a button
    // clicked by an accessibility tool, say) must not reach the rules.
    if (ended_ || closed_ || !IsWindowEnabled(hwnd_)) {
        return;
    }
    try {
        event(form_);
    } catch (const ProgramEnd&) {
        ended_ = true;
        DestroyWindow(hwnd_);
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
