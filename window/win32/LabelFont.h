// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace diruvari {

// The labels' face: the designed one where it is installed, otherwise the
// bundled blackletter, loaded privately for the process once.
class LabelFont {
  public:
    LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;
    ~LabelFont();

    // A font of the face for a DPI; the caller deletes it.
    HFONT create(UINT dpi) const;

  private:
    HANDLE bundled_ = nullptr;
    std::wstring family_;
};

}  // namespace diruvari
