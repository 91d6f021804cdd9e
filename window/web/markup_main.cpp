// SPDX-License-Identifier: MIT
// The build's tool that writes the window as designed into the site: `html`
// prints its elements, `css` the style that places them at scale 1.
#include <cstdio>
#include <cstring>

#include "window/web/Markup.h"

int main(int argc, char* argv[]) {
    const bool html = argc == 2 && std::strcmp(argv[1], "html") == 0;
    if (!html && (argc != 2 || std::strcmp(argv[1], "css") != 0)) {
        std::fputs("usage: diruvari_markup html|css\n", stderr);
        return 2;
    }
    std::fputs((html ? diruvari::windowMarkup() : diruvari::designStyle()).c_str(), stdout);
    // Node writes stdout as its lines end.
    std::fputs("\n", stdout);
    return 0;
}
