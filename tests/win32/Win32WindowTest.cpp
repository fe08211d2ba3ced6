#include "Win32TestSupport.h"

namespace win32test {
namespace {

constexpr int kMaterial = 1000, kFormula = 1001, kResult = 1002, kLength = 1003, kCurrent = 1004, kCaption = 1005;

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

// The live regions whose change was announced to assistive technology.
std::vector<HWND> gAnnounced;
void CALLBACK Announced(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) gAnnounced.push_back(hwnd);
}

TEST_F(Win32WindowTest, TheClientAreaIsTheWindowSizeBelowTheMenuBarAndControlsSitWhereTheModelPutsThem) {
    bar = New<guirt::MenuBar>();
    Ref<MenuItem> file = New<MenuItem>();
    file->SetText(Lit<"&File">());
    bar->Append(file);
    Open();
    RECT client;
    GetClientRect(native, &client);
    EXPECT_EQ(client.right, 296);
    EXPECT_EQ(client.bottom, 247);
    POINT belowBar{0, 0};
    ClientToScreen(native, &belowBar);
    EXPECT_EQ(Text(native), L"Voltage Drop");
    const LONG_PTR style = GetWindowLongPtrW(native, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU), WS_MINIMIZEBOX | WS_SYSMENU);

    window->SetMenuBarVisible(false);
    GetClientRect(native, &client);
    EXPECT_EQ(GetMenu(native), nullptr);
    EXPECT_EQ(client.bottom, 247);
    POINT top{0, 0};
    ClientToScreen(native, &top);
    EXPECT_GT(belowBar.y, top.y);  // the bar took its place above the client area

    EXPECT_EQ(Place(Control(kMaterial, L"ComboBox")), std::make_tuple(20, 20, 120, 22));
    EXPECT_EQ(Place(Control(kFormula, L"Static")), std::make_tuple(20, 120, 256, 16));
    HWND current = Control(kCurrent, L"Edit");
    EXPECT_EQ(Place(current), std::make_tuple(150, 60, 100, 22));
    window->Get<TextField>("current")->SetLeft(160);
    window->Get<TextField>("current")->SetVisible(false);
    EXPECT_EQ(std::get<0>(Place(current)), 160);
    EXPECT_FALSE(IsWindowVisible(current));
}

// This test program carries the program's icon, as dravello.exe does.
TEST_F(Win32WindowTest, TheWindowShowsTheProgramsIconAtTheSystemsBigAndSmallSizes) {
    Open();
    for (auto [index, metric] : {std::pair{GCLP_HICON, SM_CXICON}, std::pair{GCLP_HICONSM, SM_CXSMICON}}) {
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrW(native, index)), &icon)) << index;
        BITMAP colour{};
        GetObjectW(icon.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, GetSystemMetrics(metric)) << index;
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
}

TEST_F(Win32WindowTest, ControlsShowTheirTextFontAndColoursOnTheWindowsBackgroundAndOutputIsAnnounced) {
    Open();
    HWND formula = Control(kFormula, L"Static");
    HWND result = Control(kResult, L"Static");
    EXPECT_EQ(Text(result), L"Voltage drop = 22.671V");
    EXPECT_TRUE(GetWindowLongPtrW(result, GWL_STYLE) & SS_NOPREFIX);
    EXPECT_EQ(GetWindowLongPtrW(result, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(FontOf(result).lfWeight, FW_BOLD);
    EXPECT_EQ(FontOf(result).lfHeight, -14);
    EXPECT_TRUE(FontOf(formula).lfItalic);
    EXPECT_EQ(FontOf(formula).lfHeight, -10);
    // One font for the controls that ask for the same one (and whose texts fit at its size).
    window->Get<TextField>("current")->SetText(String::FromBytes("2"));
    EXPECT_EQ(SendMessageW(Control(kLength, L"Edit"), WM_GETFONT, 0, 0),
              SendMessageW(Control(kCurrent, L"Edit"), WM_GETFONT, 0, 0));

    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(native, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(result));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0xF0, 0xF0, 0xF0));  // the window's own light face, whatever the system's
    window->SetHasBackColor(true);
    window->SetBackColor(Color{0x00102030});
    SendMessageW(native, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(formula));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(0x10, 0x20, 0x30));
    Ref<TextField> length = window->Get<TextField>("length");
    length->SetTextColor(Color{0x00A00000});
    length->SetBackColor(Color{0x0000F0F0});
    EXPECT_NE(SendMessageW(native, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(Control(kLength, L"Edit"))),
              0);
    EXPECT_EQ(GetTextColor(dc), RGB(0xA0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0xF0, 0xF0));
    DeleteDC(dc);

    // A label that captions nothing shows output: its every new text is announced.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                         Announced, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    gAnnounced.clear();
    Ref<Label> label = window->Get<Label>("result");
    label->SetCaption(Lit<"two\rlines">());
    Ref<Label> caption = window->Get<Label>("caption");
    caption->SetTop(60);  // beside the current field: its caption now
    caption->SetCaption(Lit<"Current (A):">());
    Pump();
    UnhookWinEvent(hook);
    EXPECT_EQ(gAnnounced, std::vector<HWND>{result});
    EXPECT_EQ(Text(Control(kCaption, L"Static")), L"Current (A):");

    label->SetTextAlign(3);
    label->SetBold(false);
    EXPECT_EQ(Text(result), L"two\r\nlines");
    EXPECT_EQ(GetWindowLongPtrW(result, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    EXPECT_EQ(FontOf(result).lfWeight, FW_NORMAL);
}

// How large the control's text is in the font it shows it in.
SIZE TextSize(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size;
}

LONG ClientWidth(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return rect.right;
}

// Moved to a screen of another DPI, the window lays itself out again: its size, each
// control's place and the text sizes scale by dpi/96, the system's font is that DPI's, and
// every text still fits its box whole.
TEST_F(Win32WindowTest, OnAScreenOfAnotherDpiTheLayoutScalesAndTheTextsFitWhole) {
    Open();
    const HWND caption = Control(kCaption, L"Static");
    const HWND result = Control(kResult, L"Static");
    const HWND material = Control(kMaterial, L"ComboBox");
    const HWND length = Control(kLength, L"Edit");
    for (const int dpi : {120, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        const auto scaled = [dpi](LONG pixels) { return static_cast<LONG>(std::lround(pixels * dpi / 96.0)); };
        RECT suggested{};
        GetWindowRect(native, &suggested);
        SendMessageW(native, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT client{};
        GetClientRect(native, &client);
        EXPECT_EQ(client.right, scaled(296));
        EXPECT_EQ(client.bottom, scaled(247));
        EXPECT_EQ(Place(caption), std::make_tuple(scaled(20), scaled(90), scaled(162) - scaled(20), scaled(20)));
        EXPECT_EQ(FontOf(result).lfHeight, -scaled(14));

        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi));
        EXPECT_EQ(FontOf(length).lfHeight, metrics.lfMessageFont.lfHeight);

        for (HWND label : {caption, result}) {
            EXPECT_LE(TextSize(label, Text(label)).cx, ClientWidth(label)) << Text(label);
        }
        EXPECT_EQ(Text(caption), L"Total cable length (m):");
        EXPECT_LE(TextSize(length, Text(length)).cx, ClientWidth(length));
        // The field's line sits in the middle of its height, as a label's does (to the pixel
        // each of the two may round to).
        POINT line{0, static_cast<short>(HIWORD(SendMessageW(length, EM_POSFROMCHAR, 0, 0)))};
        MapWindowPoints(length, native, &line, 1);
        const auto [left, top, width, height] = Place(length);
        EXPECT_NEAR(line.y + TextSize(length, L"0").cy / 2.0, top + height / 2.0, 2.0);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof(parts);
        GetComboBoxInfo(material, &parts);
        const SIZE copper = TextSize(material, L"Copper");
        EXPECT_LE(copper.cx, parts.rcItem.right - parts.rcItem.left);
        EXPECT_LE(copper.cy, parts.rcItem.bottom - parts.rcItem.top);
    }
}

TEST_F(Win32WindowTest, TabMovesByTabIndexAndSkipsLabelsAndAWindowShownAgainGivesBackItsFocus) {
    Open();
    HWND current = Control(kCurrent, L"Edit");        // TabIndex 0
    HWND length = Control(kLength, L"Edit");          // 1
    HWND material = Control(kMaterial, L"ComboBox");  // 2
    EXPECT_EQ(GetFocus(), current);                   // the first stop, focused as the window opens
    const std::string wide(60, '9');
    window->Get<TextField>("current")->SetText(String::FromBytes(wide));
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), length);
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), material);
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), current);
    // Its whole text selected, and its first character in view rather than scrolled off.
    EXPECT_EQ(SendMessageW(current, EM_GETSEL, 0, 0), MAKELRESULT(0, wide.size()));
    EXPECT_GE(static_cast<short>(LOWORD(SendMessageW(current, EM_POSFROMCHAR, 0, 0))), 0);

    window->Get<TextField>("length")->SetTabStop(false);
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), material);
    window->Get<PopupMenu>("material")->SetTabIndex(-1);  // now first
    Keys({VK_TAB});
    EXPECT_EQ(GetFocus(), current);

    SetFocus(length);
    window->SetVisible(false);
    window->SetVisible(true);
    EXPECT_EQ(GetFocus(), length);
}

TEST_F(Win32WindowTest, TheFieldShowsTheProgramsTextAndSelection) {
    Open();
    HWND current = Control(kCurrent, L"Edit");
    EXPECT_EQ(Text(current), L"1000.000000000001");  // set before the window was built
    Ref<TextField> field = window->Get<TextField>("current");
    field->SetText(Lit<"0.0017241379310344827">());
    EXPECT_EQ(Text(current), L"0.0017241379310344827");
    static_cast<TextEditPeer*>(field->Peer(PeerAccess::Key()))->Select(2, 3);
    EXPECT_EQ(SendMessageW(current, EM_GETSEL, 0, 0), MAKELRESULT(2, 5));
}

TEST_F(Win32WindowTest, ThePopupShowsTheModelsRowsAndReportsOnlyWhatTheUserPicks) {
    Open();
    HWND combo = Control(kMaterial, L"ComboBox");
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    Ref<PopupMenu> material = window->Get<PopupMenu>("material");
    window->listener->calls.clear();
    material->SetListIndex(1);  // the program: one Change, from the model
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(window->listener->Count("material.Change"), 1u);

    material->SetListIndex(0);
    SetFocus(combo);
    Keys({VK_DOWN});  // the user
    EXPECT_EQ(material->ListIndex(), 1);
    EXPECT_EQ(window->listener->Count("material.Change"), 3u);
}

TEST_F(Win32WindowTest, ACloseIsTheModelsToDecideAndClosingDestroysTheWindow) {
    Open();
    SendMessageW(native, WM_CLOSE, 0, 0);
    EXPECT_EQ(window->closes, std::vector<std::string>{"Close"});
    EXPECT_FALSE(window->IsOpen());
    // Not destroyed inside its own message: once that has been handled.
    EXPECT_TRUE(IsWindow(native));
    Pump();
    EXPECT_FALSE(IsWindow(native));
}

// Outside the loop a quit leaves nothing behind that would end the next run at once, and
// with DRAVELLO_NO_ALERT set the report of a failure waits for no click.
TEST_F(Win32WindowTest, AQuitOutsideTheLoopIsNoneAndTheAlertCanBeLeftOut) {
    InstalledPeerFactory()->QuitEventLoop();
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    InstalledPeerFactory()->AlertUnhandledException("Unhandled exception OutOfBoundsException: the handler failed");
}

}  // namespace
}  // namespace win32test
