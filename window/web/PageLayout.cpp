// SPDX-License-Identifier: MIT
#include "window/web/PageLayout.h"

#include <algorithm>

#include "window/Design.h"

namespace diruvari {

double pageScale(bool touchScreen, double viewportWidth, double viewportHeight) {
    if (!touchScreen) {
        return 1;
    }
    const double width = (viewportWidth - 2 * pageWindowBorder) / Drawing::logical(clientWidth);
    const double height = (viewportHeight - 2 * pageWindowBorder) /
                          (Drawing::logical(clientHeight) + pageMenuBarHeight);
    return std::max(1.0, std::min(width, height));
}

std::array<PageVariable, 10> pageVariables(const Drawing& drawing) {
    const PixelRect client = drawing.client();
    const int bar = drawing.pixels(pageMenuBarHeight);
    const int border = pageWindowBorder;
    const auto v = [](const char* name, double pixels) { return PageVariable{name, pixels}; };
    return {v("--client-width", client.width),
            v("--client-height", client.height),
            v("--menubar-height", bar),
            v("--border", border),
            v("--window-width", client.width + 2 * border),
            v("--window-height", bar + client.height + 2 * border),
            v("--line", drawing.line()),
            v("--focus-inset", drawing.pixels(focusInset)),
            v("--label-size", drawing.labelFontSize()),
            v("--menu-font", pageMenuFontSize * drawing.scale())};
}

}  // namespace diruvari
