// SPDX-License-Identifier: MIT
#include "window/win32/CardAccessible.h"

#include <commctrl.h>

#include <atomic>

namespace diruvari {

namespace {

// On the button's window: an accessible object that outlives it reads
// "not selected", never freed memory.
constexpr wchar_t selectedProperty[] = L"Diruvari.Selected";

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

#define FORWARD(name, parameters, arguments)             \
    HRESULT STDMETHODCALLTYPE name parameters override { \
        return standard_->name arguments;                \
    }

// By __uuidof: the import library would link a stub for IID_IAccessible.
class CardAccessible final : public IAccessible {
  public:
    CardAccessible(HWND card, IAccessible* standard) : card_(card), standard_(standard) {}
    CardAccessible(const CardAccessible&) = delete;
    CardAccessible& operator=(const CardAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
            IsEqualIID(id, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (state == nullptr) {
            return E_POINTER;
        }
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && isSelf(child) && state->vt == VT_I4) {
            // Selected, it is a toggle button pressed: the state that
            // readers speak at once on the focused button.
            state->lVal |= STATE_SYSTEM_SELECTABLE;
            if (cardSelected(card_)) {
                state->lVal |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_PRESSED;
            }
        }
        return result;
    }
    // A push button, whatever the proxy makes of an owner-drawn one.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) {
            return E_POINTER;
        }
        if (!isSelf(child)) {
            return standard_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (text == nullptr) {
            return E_POINTER;
        }
        if (isSelf(child) && cardSelected(card_)) {
            *text = SysAllocString(L"Selected");
            return *text != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_->get_accDescription(child, text);
    }

    // Everything else is the push button's standard answer.
    // clang-format off
    FORWARD(GetTypeInfoCount, (UINT* count), (count))
    FORWARD(GetTypeInfo, (UINT i, LCID locale, ITypeInfo** info), (i, locale, info))
    FORWARD(GetIDsOfNames, (REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids),
            (id, names, count, locale, ids))
    FORWARD(Invoke, (DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO* exception, UINT* argument),
            (member, id, locale, flags, params, result, exception, argument))
    FORWARD(get_accParent, (IDispatch** parent), (parent))
    FORWARD(get_accChildCount, (long* count), (count))
    FORWARD(get_accChild, (VARIANT child, IDispatch** out), (child, out))
    FORWARD(get_accName, (VARIANT child, BSTR* name), (child, name))
    FORWARD(get_accValue, (VARIANT child, BSTR* value), (child, value))
    FORWARD(get_accHelp, (VARIANT child, BSTR* help), (child, help))
    FORWARD(get_accHelpTopic, (BSTR* file, VARIANT child, long* topic), (file, child, topic))
    FORWARD(get_accKeyboardShortcut, (VARIANT child, BSTR* keys), (child, keys))
    FORWARD(get_accFocus, (VARIANT* focus), (focus))
    FORWARD(get_accSelection, (VARIANT* selection), (selection))
    FORWARD(get_accDefaultAction, (VARIANT child, BSTR* action), (child, action))
    FORWARD(accSelect, (long flags, VARIANT child), (flags, child))
    FORWARD(accLocation, (long* left, long* top, long* width, long* height, VARIANT child),
            (left, top, width, height, child))
    FORWARD(accNavigate, (long direction, VARIANT start, VARIANT* end), (direction, start, end))
    FORWARD(accHitTest, (long x, long y, VARIANT* child), (x, y, child))
    FORWARD(accDoDefaultAction, (VARIANT child), (child))
    FORWARD(put_accName, (VARIANT child, BSTR name), (child, name))
    FORWARD(put_accValue, (VARIANT child, BSTR value), (child, value))
    // clang-format on

  private:
    ~CardAccessible() { standard_->Release(); }

    HWND card_;
    IAccessible* standard_;
    std::atomic<ULONG> references_{1};
};

#undef FORWARD

}  // namespace

void forgetCardSelection(HWND card) {
    RemovePropW(card, selectedProperty);
}

LRESULT cardAccessibleObject(HWND card, WPARAM wParam, LPARAM lParam) {
    IAccessible* standard = nullptr;
    if (static_cast<LONG>(lParam) != OBJID_CLIENT ||
        FAILED(CreateStdAccessibleObject(card, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return DefSubclassProc(card, WM_GETOBJECT, wParam, lParam);
    }
    auto* accessible = new CardAccessible(card, standard);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
    accessible->Release();
    return result;
}

void setCardSelected(HWND card, bool selected) {
    if (selected == cardSelected(card)) {
        return;
    }
    if (selected) {
        SetPropW(card, selectedProperty, reinterpret_cast<HANDLE>(1));
    } else {
        RemovePropW(card, selectedProperty);
    }
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, card, OBJID_CLIENT, CHILDID_SELF);
}

bool cardSelected(HWND card) {
    return GetPropW(card, selectedProperty) != nullptr;
}

}  // namespace diruvari
