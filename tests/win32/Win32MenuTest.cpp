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
        AppendItem(*menus.file, "FileHidden", "Hidden")->SetVisible(false);
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
        HMENU edit = Menu(1);
        SendMessageW(native, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
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

TEST_F(Win32MenuTest, TheBarShowsTheVisibleTreeWithSeparatorsAndShortcutsAndFollowsChanges) {
    HMENU menuBar = GetMenu(native);
    ASSERT_EQ(GetMenuItemCount(menuBar), 2);
    EXPECT_EQ(ItemText(menuBar, 0), L"&File");
    EXPECT_EQ(ItemText(menuBar, 1), L"&Edit");
    ASSERT_EQ(GetMenuItemCount(Menu(0)), 2);  // the hidden item is left out
    EXPECT_EQ(ItemText(Menu(0), 0), L"&Calculate\tCtrl+R");
    EXPECT_TRUE(GetMenuState(Menu(0), 1, MF_BYPOSITION) & MF_SEPARATOR);
    ASSERT_EQ(GetMenuItemCount(Menu(1)), 7);
    EXPECT_EQ(ItemText(Menu(1), 2), L"Cu&t\tCtrl+X");
    EXPECT_EQ(ItemText(Menu(1), 5), L"&Delete");

    calculate->SetText(Lit<"&Recalculate">());
    calculate->SetCommandKey(Lit<"Ctrl+E">());
    bar->Item(0)->Item(2)->SetVisible(true);
    EXPECT_EQ(ItemText(Menu(0), 0), L"&Recalculate\tCtrl+E");
    EXPECT_EQ(ItemText(Menu(0), 2), L"Hidden");
    calculate->SetAutoEnable(false);
    calculate->SetEnabled(false);
    EXPECT_TRUE(GetMenuState(Menu(0), 0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(Win32MenuTest, EditItemsFollowTheFocusedFieldTheSelectionAndTheClipboardAsTheMenuOpens) {
    EXPECT_EQ(EditState(), "000000");
    Type("12");
    EXPECT_EQ(EditState(), "100001");  // undo, select all
    SetFocus(GetDlgItem(native, 1000));
    EXPECT_EQ(EditState(), "000000");
    SetFocus(field);
    Keys({VK_CONTROL, 'A'});
    EXPECT_EQ(SendMessageW(field, EM_GETSEL, 0, 0), MAKELRESULT(0, 2));
    EXPECT_EQ(EditState(), "111010");  // undo, cut, copy, delete
    Keys({VK_CONTROL, 'C'});
    EXPECT_EQ(Clipboard(), L"12");
    EXPECT_EQ(EditState(), "111110");  // and now paste

    window->Get<TextField>("current")->SetReadOnly(true);
    EXPECT_EQ(EditState(), "001000");
    window->Get<TextField>("current")->SetReadOnly(false);
    window->Get<TextField>("current")->SetPassword(true);
    EXPECT_EQ(EditState(), "100110");  // a password is never copied out
}

TEST_F(Win32MenuTest, AcceleratorsReachTheModelAndTheEditCommandsActOnTheFocusedField) {
    Ref<TextField> current = window->Get<TextField>("current");
    Type("3.25");
    window->listener->calls.clear();
    Keys({VK_CONTROL, 'A'});
    Keys({VK_CONTROL, 'X'});
    EXPECT_EQ(current->Text(), "");
    EXPECT_EQ(Clipboard(), L"3.25");
    Keys({VK_CONTROL, 'V'});
    Keys({VK_CONTROL, 'V'});
    EXPECT_EQ(current->Text(), "3.253.25");
    Keys({VK_CONTROL, 'Z'});
    EXPECT_EQ(current->Text(), "3.25");
    EXPECT_EQ(window->listener->Count("current.TextChange"), 4u);

    auto* peer = static_cast<TextEditPeer*>(current->Peer(PeerAccess::Key()));
    SendMessageW(field, EM_SETSEL, 0, 2);
    peer->Perform(EditCommand::Clear);
    EXPECT_EQ(current->Text(), "25");
    EXPECT_FALSE(peer->CanPerform(EditCommand::Clear));

    Keys({VK_CONTROL, 'R'});
    EXPECT_EQ(calculate->chosen, 1);
    window->SetMenuBarVisible(false);  // the window still carries the shortcuts
    Keys({VK_CONTROL, 'R'});
    EXPECT_EQ(calculate->chosen, 2);
    calculate->SetAutoEnable(false);
    calculate->SetEnabled(false);
    Keys({VK_CONTROL, 'R'});
    EXPECT_EQ(calculate->chosen, 2);
}

TEST_F(Win32MenuTest, APopUpShowsTheVisibleChildrenAndRunsTheChosenOneOnceItHasClosed) {
    Ref<MenuItem> menu = New<MenuItem>();
    Ref<CountingItem> first = AppendItem<CountingItem>(*menu, "First", "First");
    AppendItem(*menu, "Hidden", "Hidden")->SetVisible(false);
    Ref<CountingItem> second = AppendItem<CountingItem>(*menu, "Second", "Second");
    // Queued for the menu's own loop: the second item shown.
    Keys({VK_DOWN}, false);
    Keys({VK_DOWN}, false);
    Keys({VK_RETURN}, false);
    menu->PopUp(40, 50);
    EXPECT_EQ(first->chosen, 0);
    EXPECT_EQ(second->chosen, 1);
}

}  // namespace
}  // namespace win32test
