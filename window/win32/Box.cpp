// SPDX-License-Identifier: MIT
#include "window/win32/Box.h"

#include "window/Design.h"
#include "window/win32/Widen.h"

namespace diruvari {

namespace {

// The box whose keys the message filter hands on.
Box* current = nullptr;

// user32's undocumented id of the prompt's static text, asked only where
// no static child carries the text.
constexpr int boxPromptId = 0xFFFF;

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

Box::~Box() {
    if (filter_ != nullptr) {
        UnhookWindowsHookEx(filter_);
    }
    if (current == this) {
        current = nullptr;
    }
}

bool Box::install(Keys keys) {
    keys_ = std::move(keys);
    current = this;
    filter_ = SetWindowsHookExW(WH_MSGFILTER, keysFilter, nullptr, GetCurrentThreadId());
    return filter_ != nullptr;
}

void Box::show(HWND owner, const std::string& prompt) {
    prompt_ = widen(prompt);
    PostMessageW(owner, openBoxMessage, 0, 0);
}

void Box::open(HWND owner) {
    const HHOOK hook = SetWindowsHookExW(WH_CBT, opening, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, prompt_.c_str(), widen(applicationName).c_str(), MB_OK);
    UnhookWindowsHookEx(hook);
    window_ = nullptr;
}

void Box::answer() const {
    if (window_ != nullptr) {
        EndDialog(window_, IDOK);
    }
}

LRESULT CALLBACK Box::opening(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current != nullptr && current->window_ == nullptr) {
        current->window_ = reinterpret_cast<HWND>(wParam);
        if (const HWND prompt = promptOf(current->window_, current->prompt_); prompt != nullptr) {
            NotifyWinEvent(EVENT_SYSTEM_ALERT, prompt, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Box::keysFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && current != nullptr && current->keys_ &&
        current->keys_(*reinterpret_cast<const MSG*>(lParam))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace diruvari
