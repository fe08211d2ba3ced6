#include "AccessibleText.h"

#include <oleacc.h>

namespace blackbox {

namespace {

// The BSTR a getter gave, freed.
std::wstring taken(BSTR text) {
    std::wstring copy = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return copy;
}

}  // namespace

AccessibleText accessibleText(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR description = nullptr;
    object->get_accName(self, &name);
    object->get_accDescription(self, &description);
    object->Release();
    return {taken(name), taken(description)};
}

}  // namespace blackbox
