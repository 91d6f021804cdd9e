// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace diruvari {

// The window's news for screen readers: an invisible static text in the
// client area, made a polite live region as Windows documents it (the
// LiveSetting property through Dynamic Annotation, then
// EVENT_OBJECT_LIVEREGIONCHANGED after each change).
class LiveRegion {
  public:
    LiveRegion() = default;
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;
    ~LiveRegion() { clear(); }

    // Without Dynamic Annotation (Wine) the events still go out.
    bool create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    void say(const std::wstring& news);
    // Before the window goes.
    void clear();

  private:
    bool markPolite();

    HWND hwnd_ = nullptr;
    IAccPropServices* annotations_ = nullptr;
};

}  // namespace diruvari
