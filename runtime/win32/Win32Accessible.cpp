#include "Win32Accessible.h"

// The GUIDs of oleacc.h defined here: its import library would resolve them to code stubs.
#include <initguid.h>
// initguid.h first
#include <oleacc.h>

#include <atomic>
#include <memory>
#include <utility>

#include "Win32Text.h"

namespace guirt::win32 {

namespace {

struct Releaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
using SystemObject = std::unique_ptr<IAccessible, Releaser>;

bool IsSelf(const VARIANT& child) noexcept {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's accessible object of a control, with the control's own name and description.
// Clients call its methods, not IDispatch::Invoke: it offers no type information.
class NamedAccessible final : public IAccessible {
public:
    NamedAccessible(SystemObject system, std::wstring name, std::wstring description) noexcept
        : system_(std::move(system)), name_(std::move(name)), description_(std::move(description)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) && !name_.empty() ? Copy(name_, name) : system_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return IsSelf(child) && !description_.empty() ? Copy(description_, description)
                                                      : system_->get_accDescription(child, description);
    }

    // The rest is the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return system_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return system_->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return system_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return system_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() = default;

    static HRESULT Copy(const std::wstring& text, BSTR* copy) {
        if (!copy) return E_POINTER;
        *copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *copy ? S_OK : E_OUTOFMEMORY;
    }

    SystemObject system_;
    std::wstring name_;
    std::wstring description_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

void AccessibleTexts::Set(HWND control, const AccessibleText& text) {
    std::wstring name = WideLines(text.name);
    std::wstring description = WideLines(text.description);
    const bool renamed = name != name_;
    const bool redescribed = description != description_;
    name_ = std::move(name);
    description_ = std::move(description);
    // Win32 raises these only for what it knows of itself.
    if (renamed && control) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    if (redescribed && control) NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT AccessibleTexts::Answer(HWND control, WPARAM wParam, LPARAM lParam) const {
    // The object ID is a 32-bit value however wide lParam is.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || (name_.empty() && description_.empty())) {
        return 0;
    }
    IAccessible* made = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&made)))) {
        return 0;
    }
    SystemObject system(made);
    auto* named = new NamedAccessible(std::move(system), name_, description_);
    const LRESULT answer = LresultFromObject(IID_IAccessible, wParam, named);
    named->Release();
    // A failure is a negative HRESULT; the control's own answer is better than none.
    return answer > 0 ? answer : 0;
}

}  // namespace guirt::win32
