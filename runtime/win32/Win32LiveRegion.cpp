#include "Win32LiveRegion.h"

// The GUIDs of oleacc.h defined here: its import library would resolve them to code stubs.
#include <initguid.h>
// initguid.h first
#include <oleacc.h>

namespace guirt::win32 {

namespace {

// UI Automation's LiveSetting property, which the system's accessibility reads from an
// annotation of the control; the headers at hand lack both.
constexpr GUID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

}  // namespace

void SetLiveRegion(HWND control, bool live) noexcept {
    if (!control) return;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    if (live) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
    } else {
        services->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &kLiveSettingProperty, 1);
    }
    services->Release();
}

void AnnounceLiveRegion(HWND control) noexcept {
    if (control) NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace guirt::win32
