// SPDX-License-Identifier: MIT
#include "window/win32/CardAccessible.h"

#include <commctrl.h>

#include <atomic>

namespace diruvari {

namespace {

// The selection is kept on the button's window, so that an accessible
// object that outlives the window reads "not selected" instead of freed
// memory.
constexpr wchar_t selectedProperty[] = L"Diruvari.Selected";

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The interfaces are named by __uuidof: the import library would otherwise
// hand the linker a function's stub for IID_IAccessible.
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
    // A card is a push button, whatever the standard proxy makes of an
    // owner-drawn one.
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
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(i, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, params, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~CardAccessible() { standard_->Release(); }

    HWND card_;
    IAccessible* standard_;
    std::atomic<ULONG> references_{1};
};

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
