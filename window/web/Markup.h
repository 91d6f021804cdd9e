// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "window/Drawing.h"

namespace diruvari {

// The window as designed, for the page: its elements as the page's view
// keeps them, and the style that places them at scale 1 and gives them the
// design's colours and face. The build writes both into the site, so that
// the page needs no script to build its window.
std::string windowMarkup();
std::string designStyle();
// Where card k stands once the first load has placed it, at scale 1.
PixelRect loadedCard(int k);

}  // namespace diruvari
