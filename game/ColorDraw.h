// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// The palette index for a random number u in [0, 1) and n colours: floor(u * n),
// kept within 0 to n - 1 whatever the rounding of the product, so that no
// number the generator returns can index past the palette.
int colorDraw(float u, int n);

}  // namespace diruvari
