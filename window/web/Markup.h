// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Drawing.h"

namespace diruvari {

// The window as designed, written into the site by the build: its
// elements, and the style that places them at scale 1 in the design's
// colours and face.
std::string windowMarkup();
std::string designStyle();
// Where card k stands once the first load has placed it, at scale 1.
PixelRect loadedCard(int k);

}  // namespace diruvari
