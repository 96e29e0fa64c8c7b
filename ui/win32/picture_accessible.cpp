#include "picture_accessible.h"

#include "picture_box.h"

// The one file that defines the accessibility GUIDs (IID_IAccessible) it uses.
#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace ui::win32 {
namespace {

long SystemRole(PictureRole role) {
    switch (role) {
    case PictureRole::Image: return ROLE_SYSTEM_GRAPHIC;
    case PictureRole::Button: return ROLE_SYSTEM_PUSHBUTTON;
    case PictureRole::LanguageChoice: return ROLE_SYSTEM_RADIOBUTTON;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

BSTR NewBstr(std::u16string_view text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

// The system's object, with what the picture box knows better: name, role, state and action.
// Everything else passes through. It holds the window, not the picture box, so that a tool that
// keeps it after the window is gone gets an error, not a dangling pointer.
class PictureAccessible final : public IAccessible {
public:
    PictureAccessible(HWND picture, IAccessible* standard) : picture_(picture), standard_(standard) {}
    PictureAccessible(const PictureAccessible&) = delete;
    PictureAccessible& operator=(const PictureAccessible&) = delete;

    // IUnknown. Interfaces of its own it does not know (IEnumVARIANT, IOleWindow) are the system
    // object's.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    // IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return standard_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        return standard_->Invoke(id, riid, locale, flags, parameters, result, exception, argumentError);
    }

    // What the picture box says.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return standard_->get_accName(child, name);
        const PictureBox* picture = Picture();
        if (!name) return E_POINTER;
        if (!picture) return RPC_E_DISCONNECTED;
        *name = NewBstr(picture->Name());
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return standard_->get_accRole(child, role);
        const PictureBox* picture = Picture();
        if (!role) return E_POINTER;
        if (!picture) return RPC_E_DISCONNECTED;
        role->vt = VT_I4;
        role->lVal = SystemRole(picture->Role());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        const PictureBox* picture = Picture();
        if (FAILED(result) || !IsSelf(child) || !picture || state->vt != VT_I4) return result;
        if (picture->Role() == PictureRole::LanguageChoice) {
            state->lVal = picture->Checked() ? state->lVal | STATE_SYSTEM_CHECKED : state->lVal & ~STATE_SYSTEM_CHECKED;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return standard_->get_accDefaultAction(child, action);
        const PictureBox* picture = Picture();
        if (!action) return E_POINTER;
        *action = nullptr;
        if (!picture) return RPC_E_DISCONNECTED;
        if (picture->Role() == PictureRole::Image) return S_FALSE;
        // The system's own words for these roles' actions.
        *action = SysAllocString(picture->Role() == PictureRole::Button ? L"Press" : L"Check");
        return *action ? S_OK : E_OUTOFMEMORY;
    }
    // Posted rather than clicked at once: the tool's call returns before the click runs.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return standard_->accDoDefaultAction(child);
        const PictureBox* picture = Picture();
        if (!picture) return RPC_E_DISCONNECTED;
        if (picture->Role() == PictureRole::Image) return DISP_E_MEMBERNOTFOUND;
        return PostMessageW(picture_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }

    // The system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return standard_->get_accSelection(children); }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override { return standard_->accHitTest(x, y, child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~PictureAccessible() { standard_->Release(); }
    const PictureBox* Picture() const { return IsWindow(picture_) ? PictureBox::Of(picture_) : nullptr; }

    HWND picture_;
    IAccessible* standard_;  // owned: one reference
    LONG references_ = 1;
};

}  // namespace

LRESULT AnswerAccessibleObject(HWND picture, WPARAM wParam) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(picture, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))))
        return 0;
    auto* accessible = new PictureAccessible(picture, standard);
    const LRESULT answer = LresultFromObject(IID_IAccessible, wParam, accessible);
    accessible->Release();
    return answer;
}

}  // namespace ui::win32
