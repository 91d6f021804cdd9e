// SPDX-License-Identifier: MIT
#include "window/win32/Dpi.h"

namespace diruvari {

namespace {

POINT centredOnMonitor(HWND window, int width, int height) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left + (work.right - work.left - width) / 2,
            work.top + (work.bottom - work.top - height) / 2};
}

}  // namespace

Drawing drawingAt(UINT dpi) {
    return Drawing(static_cast<double>(dpi) / logicalPixelsPerInch);
}

void fitClientArea(HWND window, DWORD style, UINT dpi, const RECT* suggested) {
    const PixelRect client = drawingAt(dpi).client();
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&r, style, TRUE, 0, dpi);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const POINT at = suggested != nullptr ? POINT{suggested->left, suggested->top}
                                          : centredOnMonitor(window, width, height);
    SetWindowPos(window, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame drawn differs from the one computed for the DPI (Wine
    // scales the computed menu bar, not the drawn one), the client area is
    // measured and the window sized once more.
    RECT drawn{};
    GetClientRect(window, &drawn);
    const int dx = client.width - drawn.right;
    const int dy = client.height - drawn.bottom;
    if (dx != 0 || dy != 0) {
        SetWindowPos(window, nullptr, 0, 0, width + dx, height + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace diruvari
