// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace diruvari {

// Answers a screen reader's WM_GETOBJECT for a card: the push button's
// standard answers (its name is the button's text, "Red card, row 1,
// column 2"), with the card's selection added to its state and description.
LRESULT cardAccessibleObject(HWND card, WPARAM wParam, LPARAM lParam);

// Marks the card selected or not, and tells screen readers when it changes.
void setCardSelected(HWND card, bool selected);
bool cardSelected(HWND card);
// Removes what setCardSelected left on the window, before it is destroyed.
void forgetCardSelection(HWND card);

}  // namespace diruvari
