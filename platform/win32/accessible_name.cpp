// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "accessible_name.h"

#include "system_calls.h"
#include "win_text.h"

#include <ole2.h>
#include <oleacc.h>

#include <string>

namespace tovalin::platform {

namespace {

// oleacc's, COM's and OLE Automation's functions, looked up when a reader
// first asks: a program that no reader looks at never loads them.
struct AccessibilityCalls {
    HRESULT(WINAPI* CoInitialize)(void*) = nullptr;
    HRESULT(WINAPI* CreateStdAccessibleObject)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* LresultFromObject)(REFIID, WPARAM, IUnknown*) = nullptr;
    BSTR(WINAPI* SysAllocString)(const OLECHAR*) = nullptr;

    bool found() const {
        return CoInitialize && CreateStdAccessibleObject && LresultFromObject && SysAllocString;
    }
};

const AccessibilityCalls& accessibilityCalls() {
    static const AccessibilityCalls calls = [] {
        AccessibilityCalls c;
        lookUp(loadSystemLibrary(L"ole32.dll"), "CoInitialize", c.CoInitialize);
        lookUp(loadSystemLibrary(L"oleaut32.dll"), "SysAllocString", c.SysAllocString);
        const HMODULE oleacc = loadSystemLibrary(L"oleacc.dll");
        lookUp(oleacc, "CreateStdAccessibleObject", c.CreateStdAccessibleObject);
        lookUp(oleacc, "LresultFromObject", c.LresultFromObject);
        // The object is handed to the reader through COM, on this thread.
        if (c.found()) {
            c.CoInitialize(nullptr);
        }
        return c;
    }();
    return calls;
}

struct Naming {
    AccessibleRole role;
    std::wstring name;
    std::wstring description;
    WNDPROC original;
};

// The control's standard accessible object, with another name and description.
// It keeps copies of both, as a reader may hold it after the control is gone.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(IAccessible* standard, const Naming& naming)
        : standard_(standard), role_(naming.role), name_(naming.name),
          description_(naming.description) {}
    ~NamedAccessible() { standard_->Release(); }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(iid, out); // IOleWindow and the like: the control's
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return isSelf(child) ? copy(name_, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return isSelf(child) ? copy(description_, description)
                             : standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || role == nullptr) {
            return standard_->get_accRole(child, role);
        }
        V_VT(role) = VT_I4;
        V_I4(role) = static_cast<long>(role_);
        return S_OK;
    }

    // Everything else is the control's own.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard_->Invoke(id, iid, locale, flags, params, result, exception, argumentError);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
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
    static bool isSelf(const VARIANT& child) {
        return V_VT(&child) == VT_I4 && V_I4(&child) == CHILDID_SELF;
    }
    static HRESULT copy(const std::wstring& text, BSTR* out) {
        if (out == nullptr) {
            return E_INVALIDARG;
        }
        *out = accessibilityCalls().SysAllocString(text.c_str());
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    // COM calls an object of this single-threaded apartment on its own thread only.
    ULONG references_ = 1;
    IAccessible* standard_;
    const AccessibleRole role_;
    const std::wstring name_;
    const std::wstring description_;
};

// The reader's request for the control's object, answered with a named one;
// 0 leaves it to the control.
LRESULT answer(HWND control, WPARAM wParam, const Naming& naming) {
    const AccessibilityCalls& calls = accessibilityCalls();
    IAccessible* standard = nullptr;
    if (!calls.found() ||
        FAILED(calls.CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* named = new NamedAccessible(standard, naming);
    const LRESULT result = calls.LresultFromObject(__uuidof(IAccessible), wParam, named);
    named->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK namedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* naming = reinterpret_cast<Naming*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    const WNDPROC original = naming->original;
    // The object id is a DWORD, whatever the width of lParam.
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT result = answer(control, wParam, *naming); result != 0) {
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
        delete naming;
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

} // namespace

void setAccessibleName(HWND control, AccessibleRole role, std::u16string_view name,
                       std::u16string_view description) {
    auto* naming = new Naming{role, toWide(name), toWide(description), nullptr};
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(naming));
    naming->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&namedControlProc)));
}

} // namespace tovalin::platform
