// SPDX-License-Identifier: MIT
// The game as a native Windows program.
#include <windows.h>

#include <objbase.h>

#include "runtime/host/Host.h"
#include "window/win32/Win32MainWindow.h"

namespace {

// Screen readers reach the cards' accessible objects through COM, for as
// long as the window lives.
struct ComApartment {
    ComApartment() : ready(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ready) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool ready;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command*/,
                    int /*show*/) {
    using namespace diruvari;
    const ComApartment com;
    // The window made whole, then the host, and only then the reports.
    Win32MainWindow window;
    if (!window.create()) {
        return 1;
    }
    Host host(window);
    window.attach(&host);
    host.start();
    const int status = window.runMessageLoop();
    window.attach(nullptr);
    return status;
}
