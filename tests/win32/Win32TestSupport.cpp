// SPDX-License-Identifier: MIT
#include "Win32TestSupport.h"

#include "Board.h"

namespace diruvari::test {

namespace {

BoxAnswerer* answerer = nullptr;
constexpr int messageBoxText = 0xFFFF;

HWND findBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(out) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::string narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

BoxAnswerer::BoxAnswerer() : timer_(SetTimer(nullptr, 0, 5, tick)) {
    answerer = this;
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    answerer = nullptr;
}

void CALLBACK BoxAnswerer::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (answerer != nullptr && !answerer->busy_) {
        answerer->busy_ = true;
        answerer->poll();
        answerer->busy_ = false;
    }
}

void BoxAnswerer::poll() {
    const HWND box = findBox();
    if (box == nullptr) {
        current_ = nullptr;
        return;
    }
    if (box != current_) {
        current_ = box;
        ticks_ = 0;
        prompts.push_back(windowText(GetDlgItem(box, messageBoxText)));
        titles.push_back(windowText(box));
        if (whileOpen) {
            whileOpen(box);
        }
    }
    if (IsWindow(box) && ticks_++ >= waitTicks) {
        ++answered;
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
}

void Win32GameTest::SetUp() {
    ASSERT_TRUE(window.create());
    auto scripted = std::make_unique<ScriptedRandom>();
    random = scripted.get();
    random->useGenerator(Generator([] { return std::uint64_t{2024}; }));
    host = std::make_unique<Host>(window, std::move(scripted));
    window.attach(host.get());
    host->start();
    pump();
}

void Win32GameTest::TearDown() {
    window.attach(nullptr);
    host.reset();
    owned.reset();
    // The window's end posts the quit message: it is for this test alone.
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void Win32GameTest::pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ASSERT_NE(msg.message, static_cast<UINT>(WM_QUIT)) << "the program quit";
        window.process(msg);
    }
}

int Win32GameTest::runToQuit() {
    static bool expired = false;
    expired = false;
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR, DWORD) {
        expired = true;
        PostQuitMessage(7);
    });
    const int status = window.runMessageLoop();
    KillTimer(nullptr, watchdog);
    // A quit posted later, by the window's own end, would hide the watchdog's.
    return expired ? 7 : status;
}

void Win32GameTest::click(int k) {
    SendMessageW(window.cardWindow(k), BM_CLICK, 0, 0);
    pump();
}

void Win32GameTest::chooseReset() {
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(resetCommand, 0), 0);
    pump();
}

void Win32GameTest::press(UINT vk, bool extended) {
    Sleep(20);
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1 | (extended ? 1L << 24 : 0));
    pump();
}

void Win32GameTest::release(UINT vk, bool extended) {
    Sleep(20);
    PostMessageW(GetFocus(), WM_KEYUP, vk, 1 | (extended ? 1L << 24 : 0) | (1L << 30) | (1L << 31));
    pump();
}

void Win32GameTest::key(UINT vk) {
    press(vk);
    release(vk);
}

void Win32GameTest::paintBoard(const std::string& board) {
    const auto colours = boardColors(board);
    for (int k = 0; k < 16; ++k) {
        host->controls().Card(k).setBackColor(colours.at(static_cast<std::size_t>(k)));
    }
    UpdateWindow(window.hwnd());
}

HWND Win32GameTest::labelWindow(int i) {
    HWND label = nullptr;
    for (int n = 0; n <= i; ++n) {
        label = FindWindowExW(window.hwnd(), label, L"STATIC", nullptr);
    }
    return label;
}

std::string Win32GameTest::label(int i) {
    return windowText(labelWindow(i));
}

COLORREF Win32GameTest::pixel(int x, int y) {
    RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window.hwnd());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window.hwnd(), dc);
    return colour;
}

COLORREF Win32GameTest::cardPixel(int k, int x, int y) {
    const HWND card = window.cardWindow(k);
    RedrawWindow(card, nullptr, nullptr, RDW_UPDATENOW);
    HDC dc = GetDC(card);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(card, dc);
    return colour;
}

int Win32GameTest::focusedCard() {
    return window.focusedCard();
}

}  // namespace diruvari::test
