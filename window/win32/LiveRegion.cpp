// SPDX-License-Identifier: MIT
#include "window/win32/LiveRegion.h"

namespace diruvari {

namespace {

// UI Automation's LiveSetting and Polite (mingw-w64 lacks their header).
constexpr GUID liveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG politeLiveSetting = 1;
// By value: the uuid library would bring a second IID_IAccessible.
constexpr GUID accPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID accPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
// The window's own accessible object, as Dynamic Annotation takes its id.
constexpr auto clientObject = static_cast<DWORD>(OBJID_CLIENT);

}  // namespace

bool LiveRegion::create(HWND parent) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 1, 1,
                            parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) {
        return false;
    }
    if (!markPolite()) {
        OutputDebugStringW(L"diruvari: the news label is no live region for UI Automation\n");
    }
    return true;
}

bool LiveRegion::markPolite() {
    if (FAILED(CoCreateInstance(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                accPropServicesInterface,
                                reinterpret_cast<void**>(&annotations_)))) {
        annotations_ = nullptr;
        return false;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    return SUCCEEDED(
        annotations_->SetHwndProp(hwnd_, clientObject, CHILDID_SELF, liveSetting, polite));
}

void LiveRegion::say(const std::wstring& news) {
    SetWindowTextW(hwnd_, news.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void LiveRegion::clear() {
    if (annotations_ == nullptr) {
        return;
    }
    if (hwnd_ != nullptr) {
        annotations_->ClearHwndProps(hwnd_, clientObject, CHILDID_SELF, &liveSetting, 1);
    }
    annotations_->Release();
    annotations_ = nullptr;
}

}  // namespace diruvari
