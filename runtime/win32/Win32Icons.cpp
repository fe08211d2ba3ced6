#include "Win32Icons.h"

namespace guirt::win32 {

namespace {

struct IconRequest {
    int size;
    HICON icon;
};

// Loads the group enumerated first and stops; a named group's name lives only during the call.
BOOL CALLBACK LoadFirstGroup(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* request = reinterpret_cast<IconRequest*>(param);
    request->icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, request->size, request->size, LR_SHARED));
    return FALSE;
}

}  // namespace

HICON ProgramIcon(int size) noexcept {
    IconRequest request{size, nullptr};
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, LoadFirstGroup, reinterpret_cast<LONG_PTR>(&request));
    return request.icon;
}

}  // namespace guirt::win32
