#include "Win32EditPadding.h"

#include "Win32Fonts.h"

namespace guirt::win32 {

namespace {

// The window's rectangle inside its border, and its client rectangle, in window coordinates.
void Areas(HWND edit, RECT& inside, RECT& client) {
    RECT window{};
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    inside = {client.left, 0, client.right, window.bottom - window.top};
    const LONG_PTR exStyle = GetWindowLongPtrW(edit, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE) InflateRect(&inside, 0, -GetSystemMetrics(SM_CYEDGE));
}

}  // namespace

void PadClientArea(HWND edit, RECT& client) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    const LONG pad = (client.bottom - client.top - LineHeight(font)) / 2;
    if (pad <= 0) return;
    client.top += pad;
    client.bottom -= pad;
}

void PaintPadding(HWND edit) {
    RECT inside{}, client{};
    Areas(edit, inside, client);
    if (EqualRect(&inside, &client)) return;
    HDC dc = GetWindowDC(edit);
    // The brush the edit paints its own background with.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(edit), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
    const RECT above{inside.left, inside.top, inside.right, client.top};
    const RECT below{inside.left, client.bottom, inside.right, inside.bottom};
    FillRect(dc, &above, brush);
    FillRect(dc, &below, brush);
    ReleaseDC(edit, dc);
}

LRESULT HitPadding(HWND edit, LPARAM point, LRESULT hit) {
    if (hit == HTCLIENT) return hit;
    RECT inside{}, client{}, window{};
    Areas(edit, inside, client);
    GetWindowRect(edit, &window);
    const POINT at{static_cast<short>(LOWORD(point)) - window.left, static_cast<short>(HIWORD(point)) - window.top};
    return PtInRect(&inside, at) ? HTCLIENT : hit;
}

}  // namespace guirt::win32
