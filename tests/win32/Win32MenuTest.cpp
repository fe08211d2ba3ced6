#include "TestMenus.h"
#include "Win32TestSupport.h"

namespace win32test {
namespace {

using guirt::testing::AppendItem;
using guirt::testing::CalcMenus;
using guirt::testing::CountingItem;

std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

class Win32MenuTest : public Win32WindowTest {
protected:
    void SetUp() override {
        const CalcMenus menus;
        bar = menus.bar;
        calculate = menus.calculate;
        Clipboard(nullptr);
        Open();
        field = GetDlgItem(native, 1004);  // current
        SetFocus(field);
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    }

    HMENU Menu(int index) const { return GetSubMenu(GetMenu(native), index); }
    // Which edit items are enabled as the Edit menu opens: Undo Cut Copy Paste Delete SelectAll.
    std::string EditState() const {
        SendMessageW(native, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Menu(1)), 1);
        return ShownState();
    }
    // Which edit items show enabled now.
    std::string ShownState() const {
        HMENU edit = Menu(1);
        std::string state;
        for (int i = 0; i < GetMenuItemCount(edit); ++i) {
            const UINT item = GetMenuState(edit, static_cast<UINT>(i), MF_BYPOSITION);
            if (!(item & MF_SEPARATOR)) state += (item & MF_GRAYED) ? '0' : '1';
        }
        return state;
    }
    static void Clipboard(const wchar_t* text) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        if (text) {
            HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (wcslen(text) + 1) * sizeof(wchar_t));
            wcscpy(static_cast<wchar_t*>(GlobalLock(copy)), text);
            GlobalUnlock(copy);
            SetClipboardData(CF_UNICODETEXT, copy);
        }
        CloseClipboard();
    }
    static std::wstring Clipboard() {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return text;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    Ref<CountingItem> calculate;
    HWND field = nullptr;
};

TEST_F(Win32MenuTest, TheBarShowsTheMenusSeparatorsAndShortcutsAndIsBuiltAgainAsItemsChange) {
    HMENU menuBar = GetMenu(native);
    ASSERT_EQ(GetMenuItemCount(menuBar), 2);
    EXPECT_EQ(ItemText(menuBar, 0), L"&File");
    EXPECT_EQ(ItemText(menuBar, 1), L"&Edit");
    ASSERT_EQ(GetMenuItemCount(Menu(0)), 2);
    EXPECT_EQ(ItemText(Menu(0), 0), L"&Calculate\tCtrl+R");
    EXPECT_TRUE(GetMenuState(Menu(0), 1, MF_BYPOSITION) & MF_SEPARATOR);
    ASSERT_EQ(GetMenuItemCount(Menu(1)), 7);
    EXPECT_EQ(ItemText(Menu(1), 2), L"Cu&t\tCtrl+X");
    EXPECT_EQ(ItemText(Menu(1), 5), L"&Delete");

    calculate->SetText(Lit<"&Recalculate">());
    calculate->SetCommandKey(Lit<"Ctrl+E">());
    AppendItem(*bar->Item(0), "FileAbout", "&About");
    EXPECT_EQ(ItemText(Menu(0), 0), L"&Recalculate\tCtrl+E");
    EXPECT_EQ(ItemText(Menu(0), 2), L"&About");
    calculate->SetAutoEnable(false);
    calculate->SetEnabled(false);
    EXPECT_TRUE(GetMenuState(Menu(0), 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(Win32MenuTest, APopUpShowsTheEntriesAndRunsTheChosenOneOnceItHasClosed) {
    Ref<MenuItem> menu = New<MenuItem>();
    Ref<CountingItem> first = AppendItem<CountingItem>(*menu, "First", "First");
    Ref<CountingItem> second = AppendItem<CountingItem>(*menu, "Second", "Second");
    // Queued for the menu's own loop: the second entry chosen.
    Keys({VK_DOWN}, false);
    Keys({VK_DOWN}, false);
    Keys({VK_RETURN}, false);
    menu->PopUp(40, 50);
    EXPECT_EQ(first->chosen, 0);
    EXPECT_EQ(second->chosen, 1);
}

}  // namespace
}  // namespace win32test
