// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace diruvari {

// Where the window tells screen readers of a change that the focused card
// does not show: a static text inside the client area, where readers keep
// it, painted as nothing, its text the last news. As Windows documents a
// live region for a control: the LiveSetting property on its window
// (Polite), through Dynamic Annotation, which UI Automation and the readers
// that use it (Narrator, NVDA) read; and after each change,
// EVENT_OBJECT_LIVEREGIONCHANGED.
class LiveRegion {
  public:
    LiveRegion() = default;
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;
    ~LiveRegion() { clear(); }

    // False when the text could not be made. A system without Dynamic
    // Annotation (Wine answers E_NOTIMPL) still has the region's events.
    bool create(HWND parent);
    HWND hwnd() const { return hwnd_; }
    void say(const std::wstring& news);
    // Takes the property off the window, before the window goes.
    void clear();

  private:
    bool markPolite();

    HWND hwnd_ = nullptr;
    IAccPropServices* annotations_ = nullptr;
};

}  // namespace diruvari
