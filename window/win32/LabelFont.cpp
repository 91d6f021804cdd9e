// SPDX-License-Identifier: MIT
#include "window/win32/LabelFont.h"

#include "window/Design.h"
#include "window/Drawing.h"
#include "window/LabelFace.h"
#include "window/win32/Widen.h"

namespace diruvari {

namespace {

constexpr int bundledFontResource = 101;

bool fontInstalled(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

HANDLE loadBundled() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HRSRC found =
        FindResourceW(instance, MAKEINTRESOURCEW(bundledFontResource), MAKEINTRESOURCEW(10));
    if (found == nullptr) {  // RT_RCDATA
        return nullptr;
    }
    DWORD fonts = 0;
    return AddFontMemResourceEx(LockResource(LoadResource(instance, found)),
                                SizeofResource(instance, found), nullptr, &fonts);
}

}  // namespace

LabelFont::LabelFont() {
    const bool installed = fontInstalled(widen(labelFamily).c_str());
    if (!installed) {
        bundled_ = loadBundled();
    }
    const char* face = labelFace(installed, bundled_ != nullptr);
    family_ = face != nullptr ? widen(face) : L"";
}

LabelFont::~LabelFont() {
    if (bundled_ != nullptr) {
        RemoveFontMemResourceEx(bundled_);
    }
}

HFONT LabelFont::create(UINT dpi) const {
    return CreateFontW(-Drawing(dpi / 96.0).labelFontPixels(), 0, 0, 0, labelFontWeight, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, DEFAULT_PITCH, family_.c_str());
}

}  // namespace diruvari
