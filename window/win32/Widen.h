// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace diruvari {

// UTF-8 as the Windows API's UTF-16.
inline std::wstring widen(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace diruvari
