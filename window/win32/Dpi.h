// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "window/Drawing.h"

namespace diruvari {

// The window's drawing at a DPI: 96 is the design's scale.
Drawing drawingAt(UINT dpi);

// Sizes the window so that its client area is the design's at the DPI, at
// the suggested place, or centred on its monitor's work area.
void fitClientArea(HWND window, DWORD style, UINT dpi, const RECT* suggested);

}  // namespace diruvari
