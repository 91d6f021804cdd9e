// SPDX-License-Identifier: MIT
// The build's name as the program has it; the page's script has its own, so
// that a script and a program of two builds tell on each other.
#include "window/web/WebWindow.h"

const char* diruvari::buildId() {
    return DIRUVARI_BUILD_ID;
}
