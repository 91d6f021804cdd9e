// SPDX-License-Identifier: MIT
#include "window/LabelFace.h"

#include <cstdio>

#include "window/Design.h"

namespace diruvari {

const char* labelFace(bool designedInstalled, bool bundledLoaded) {
    if (designedInstalled) {
        return labelFamily;
    }
    if (bundledLoaded) {
        return bundledLabelFamily;
    }
    std::fputs("diruvari: the labels' face ", stderr);
    std::fputs(bundledLabelFamily, stderr);
    std::fputs(" did not load; they are shown in the default face\n", stderr);
    return nullptr;
}

}  // namespace diruvari
