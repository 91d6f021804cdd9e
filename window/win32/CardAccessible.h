// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace diruvari {

// A card's WM_GETOBJECT: the push button's standard answers, with its
// selection added to its state and description.
LRESULT cardAccessibleObject(HWND card, WPARAM wParam, LPARAM lParam);

void setCardSelected(HWND card, bool selected);
bool cardSelected(HWND card);
// Before the window is destroyed.
void forgetCardSelection(HWND card);

}  // namespace diruvari
