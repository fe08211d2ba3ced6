// The start-up baseline on Windows: the same window as dravello.exe made with the Win32 API
// directly, no runtime in between. The same icon, client size, the eleven controls in the same
// order at the same places with the same fonts and help tips, a menu bar with two menus, the
// Edit accelerators and a dialog-style message loop. A change of the diameter converts it to
// the area and recalculates the result, as a keystroke there does in dravello.exe.
#include <windows.h>

#include <commctrl.h>

#include <charconv>
#include <cmath>
#include <string>

#include "calc/Materials.h"

namespace {

constexpr int kClientWidth = 296;
constexpr int kClientHeight = 247;
constexpr int kFirstControlId = 1000;
constexpr int kResultIndex = 3;
// The controls' places in kControls.
constexpr int kMaterialIndex = 0, kCurrentIndex = 2, kDiameterIndex = 5, kLengthIndex = 6, kAreaIndex = 9;
constexpr UINT kExit = 1, kUndo = 2, kCut = 3, kCopy = 4, kPaste = 5, kDelete = 6, kSelectAll = 7;

struct Control {
    const wchar_t* className;
    const wchar_t* text;
    int left, top, width, height;
    enum Font { kPlain, kBold14, kItalic10 } font;
    const wchar_t* helpTag = nullptr;
};

// Creation order, as dravello.exe makes them.
constexpr Control kControls[] = {
    {L"COMBOBOX", L"", 20, 14, 256, 200, Control::kPlain},
    {L"STATIC", L"Current (A):", 20, 175, 142, 20, Control::kPlain},
    {L"EDIT", L"0.350", 196, 174, 80, 22, Control::kPlain},
    {L"STATIC", L"Voltage drop = 1.795V", 20, 207, 256, 20, Control::kBold14},
    {L"STATIC", L"Vd (20\u00B0C) = ( Length x Current x 0.0175 ) / Area", 20, 46, 256, 16, Control::kItalic10},
    {L"EDIT", L"0.51054", 196, 106, 80, 22, Control::kPlain},
    {L"EDIT", L"60", 196, 74, 80, 22, Control::kPlain},
    {L"STATIC", L"Cable diameter (mm):", 20, 107, 142, 20, Control::kPlain,
     L"AWG 24 = 0.51054 mm (cat5/cat5e)\r\nAWG 23 = 0.57404 mm\r\nAWG 22 = 0.64516 mm\r\nAWG 21 = 0.7239 mm\r\n"
     L"AWG 20 = 0.8128 mm\r\nAWG 19 = 0.91186 mm\r\nAWG 18 = 1.02362 mm"},
    {L"STATIC", L"Total cable length (m):", 20, 75, 142, 20, Control::kPlain, L"Total cable lenght, out and back."},
    {L"EDIT", L"0.20471", 196, 140, 80, 22, Control::kPlain},
    {L"STATIC", L"Cable area (mm2):", 20, 141, 142, 20, Control::kPlain,
     L"AWG 24 = 0.205 mm2 (cat5/cat5e)\r\nAWG 23 = 0.258 mm2\r\nAWG 22 = 0.326 mm2\r\nAWG 21 = 0.410 mm2\r\n"
     L"AWG 20 = 0.518 mm2\r\nAWG 19 = 0.635 mm2\r\nAWG 18 = 0.823 mm2"},
};
constexpr const wchar_t* kMaterials[] = {L"Copper", L"Aluminium", L"Gold", L"Silver", L"Iron", L"Lead"};

// The window's text sizes are in pixels.
HFONT makeFont(LOGFONTW font, int pixels, bool bold, bool italic) {
    if (pixels > 0) font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic;
    return CreateFontIndirectW(&font);
}

HMENU makeMenuBar() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kExit, L"E&xit");
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, kUndo, L"&Undo\tCtrl+Z");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING, kCut, L"Cu&t\tCtrl+X");
    AppendMenuW(edit, MF_STRING, kCopy, L"&Copy\tCtrl+C");
    AppendMenuW(edit, MF_STRING, kPaste, L"&Paste\tCtrl+V");
    AppendMenuW(edit, MF_STRING, kDelete, L"&Delete");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING, kSelectAll, L"Select &All\tCtrl+A");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    return bar;
}

void createControls(HWND window, HINSTANCE instance) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const HFONT fonts[] = {makeFont(metrics.lfMessageFont, 0, false, false),
                           makeFont(metrics.lfMessageFont, 14, true, false),
                           makeFont(metrics.lfMessageFont, 10, false, true)};
    HWND tips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 480);
    int id = kFirstControlId;
    for (const Control& c : kControls) {
        const bool edit = lstrcmpW(c.className, L"EDIT") == 0;
        const bool combo = lstrcmpW(c.className, L"COMBOBOX") == 0;
        DWORD style = WS_CHILD | WS_VISIBLE;
        if (id == kFirstControlId + kResultIndex) style |= SS_CENTER;
        if (edit) style |= WS_TABSTOP | ES_AUTOHSCROLL;
        if (combo) style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        HWND child =
            CreateWindowExW(edit ? WS_EX_CLIENTEDGE : 0, c.className, c.text, style, c.left, c.top, c.width, c.height,
                            window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[c.font]), FALSE);
        if (edit) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
        if (c.helpTag) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
            tool.hwnd = window;
            tool.uId = reinterpret_cast<UINT_PTR>(child);
            tool.lpszText = const_cast<wchar_t*>(c.helpTag);
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        if (combo) {
            for (const wchar_t* row : kMaterials) SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
            SendMessageW(child, CB_SETCURSEL, 0, 0);
        }
    }
}

double number(HWND window, int index) {
    wchar_t wide[64];
    char text[64];
    const int length = GetDlgItemTextW(window, kFirstControlId + index, wide, 64);
    for (int i = 0; i <= length; ++i) text[i] = static_cast<char>(wide[i]);
    double value = 0;
    std::from_chars(text, text + length, value);
    return value;
}

void setText(HWND window, int index, const std::string& text) {
    SetDlgItemTextW(window, kFirstControlId + index, std::wstring(text.begin(), text.end()).c_str());
}

// What the program shows of a value that is no finite number.
std::string nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Seven significant digits without trailing zeros, in exponent form below 1e-4 and from 1e7:
// printf's %.7g, the program's number text.
std::string sevenDigits(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    char text[32];
    return {text, std::to_chars(text, text + sizeof(text), value, std::chars_format::general, 7).ptr};
}

// At most three decimals without trailing zeros, rounded on the exact value. The program
// rounds a tie away from zero, to_chars to the even digit; the only ties are odd numbers of
// sixteenths, which one step away from zero takes past the tie.
std::string threeDecimals(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    const double sixteenths = value * 16;
    if (sixteenths == std::trunc(sixteenths) && std::fmod(sixteenths, 2) != 0) {
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    char text[400];
    std::string shown(text, std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, 3).ptr);
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.') shown.pop_back();
    return shown;
}

// The area and the result, from the same formulas with the same grouping as the program's.
void recalculate(HWND window) {
    constexpr double kPi = 3.141592653589793;
    const double d = number(window, kDiameterIndex);
    setText(window, kAreaIndex, sevenDigits(((d * kPi) * d) / 4.0));

    const auto row = SendDlgItemMessageW(window, kFirstControlId + kMaterialIndex, CB_GETCURSEL, 0, 0);
    const double resistivity = dravello::kMaterials[row < 0 ? 0 : static_cast<std::size_t>(row)].resistivity;
    const double vd =
        ((number(window, kLengthIndex) * number(window, kCurrentIndex)) * resistivity) / (((d * kPi) * d) / 4.0);
    setText(window, kResultIndex, "Voltage drop = " + threeDecimals(vd) + "V");
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kFirstControlId + kResultIndex) {
                SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255));
            }
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_COMMAND:
            if (LOWORD(wParam) == kExit) DestroyWindow(window);
            if (LOWORD(wParam) == kFirstControlId + kDiameterIndex && HIWORD(wParam) == EN_CHANGE) recalculate(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                        LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BaselineWindow";
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Baseline", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, makeMenuBar(), instance, nullptr);
    createControls(window, instance);

    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'Z', kUndo},
                    {FVIRTKEY | FCONTROL, 'X', kCut},
                    {FVIRTKEY | FCONTROL, 'C', kCopy},
                    {FVIRTKEY | FCONTROL, 'V', kPaste},
                    {FVIRTKEY | FCONTROL, 'A', kSelectAll}};
    HACCEL accelerators = CreateAcceleratorTableW(keys, ARRAYSIZE(keys));
    ShowWindow(window, showMode);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window, accelerators, &message) || IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
