#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "framework/CodePage.h"
#include "resource.h"

namespace {

HWND OpenMenuWindow()
{
    HWND menu = nullptr;
    WaitFor([&] {
        menu = ::FindWindowW(L"#32768", nullptr);
        return menu && ::IsWindowVisible(menu);
    });
    return menu;
}

bool MenuClosed()
{
    return WaitFor([] {
        HWND menu = ::FindWindowW(L"#32768", nullptr);
        return !menu || !::IsWindowVisible(menu);
    });
}

// A click on the shelf button, as the mouse gives it.
HWND OpenShelfMenu(DialogHarness& h)
{
    HWND button = h.Item(IDC_SHELF_BUTTON);
    ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    return OpenMenuWindow();
}

HMENU ItemsOf(HWND menu)
{
    return reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0));
}

bool Grayed(HMENU items, UINT id)
{
    return (::GetMenuState(items, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST(ShelfMenu, DropsBelowTheButtonGrayedWhileTheShelfIsEmptyAndTheSearchButtonStillSearches)
{
    ShelfSettings shelf;
    shelf.file = MultiByteToWide(std::getenv("TEMP") ? std::getenv("TEMP") : "C:\\", CP_UTF8) + L"\\quill-menu-" +
                 std::to_wstring(::GetCurrentProcessId()) + L".mrc";
    ::DeleteFileW(shelf.file.c_str());
    RunMainWindow(TestSourceConfig(), shelf, [&](DialogHarness& h, BookLookupDialog& dialog) {
        HWND menu = OpenShelfMenu(h);
        ASSERT_TRUE(menu);
        RECT button{}, placed{};
        ::GetWindowRect(h.Item(IDC_SHELF_BUTTON), &button);
        ::GetWindowRect(menu, &placed);
        EXPECT_EQ(button.left, placed.left);
        EXPECT_EQ(button.bottom, placed.top);
        HMENU items = ItemsOf(menu);
        ASSERT_EQ(5, ::GetMenuItemCount(items));
        EXPECT_TRUE(Grayed(items, ID_SHELF_SAVE_AS));
        EXPECT_TRUE(Grayed(items, ID_SHELF_CLEAR));
        EXPECT_FALSE(Grayed(items, ID_SHELF_FOLDER));
        EXPECT_FALSE(Grayed(items, ID_SHELF_ABOUT));
        EXPECT_TRUE(GlyphMenu::IsGlyphMenu(items));
        ::PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
        ASSERT_TRUE(MenuClosed());
        EXPECT_EQ(0, h.RowCount());  // the dialog ignores the shelf button's own click

        h.SetText(IDC_ISBN_EDIT, "9787111111111");
        const unsigned started = BookLookupDialogProbe::Lookup(dialog).WorkersStarted();
        ::PostMessageW(h.Item(IDC_SEARCH_BUTTON), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::PostMessageW(h.Item(IDC_SEARCH_BUTTON), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ASSERT_TRUE(WaitFor(
            [&] { return BookLookupDialogProbe::Lookup(dialog).WorkersStarted() > started && SearchesDone(dialog); }));
        EXPECT_EQ(2, h.RowCount());
        EXPECT_FALSE(::FindWindowW(L"#32768", nullptr) && ::IsWindowVisible(::FindWindowW(L"#32768", nullptr)));
        h.Close();
    });
    ::DeleteFileW(shelf.file.c_str());
}

// 清空书架… chosen by its mnemonic and by the mouse: the question comes, and
// only a yes moves the shelf aside.
TEST(ShelfMenu, KeyboardAndMouseChooseItsItems)
{
    ShelfSettings shelf;
    shelf.file = MultiByteToWide(std::getenv("TEMP") ? std::getenv("TEMP") : "C:\\", CP_UTF8) + L"\\quill-menu-keys-" +
                 std::to_wstring(::GetCurrentProcessId()) + L".mrc";
    ::DeleteFileW(shelf.file.c_str());
    ::DeleteFileW((shelf.file + L".bak").c_str());
    RunMainWindow(TestSourceConfig(), shelf, [&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        SelectRows(h, dialog, {0});
        ::PostMessageW(h.Dialog(), WM_COMMAND, ID_SHELF_ADD, 0);
        ASSERT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == "书架：1"; }));
        {
            MessageBoxRecorder no(IDNO);
            HWND menu = OpenShelfMenu(h);
            ASSERT_TRUE(menu);
            EXPECT_FALSE(Grayed(ItemsOf(menu), ID_SHELF_CLEAR));
            ::PostMessageW(menu, WM_CHAR, 'c', 1);
            ASSERT_TRUE(MenuClosed());
            ASSERT_TRUE(WaitFor([&] { return !no.Boxes().empty(); }));
            EXPECT_EQ(0u, no.Boxes()[0].text.find("把书架（1 条记录）移到"));
            EXPECT_EQ("书架：1", h.Text(IDC_SHELF_COUNT));
        }
        MessageBoxRecorder yes(IDYES);
        HWND menu = OpenShelfMenu(h);
        ASSERT_TRUE(menu);
        RECT item{};
        ASSERT_TRUE(::GetMenuItemRect(nullptr, ItemsOf(menu), 1, &item));
        POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        // While a menu is open the mouse is its own, at screen positions.
        ::SetCursorPos(at.x, at.y);
        ::PostMessageW(menu, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        ::PostMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ::PostMessageW(menu, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        ASSERT_TRUE(MenuClosed());
        EXPECT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == "书架：0"; }));
        EXPECT_EQ(1u, yes.Boxes().size());
        h.Close();
    });
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((shelf.file + L".bak").c_str()));
    for (const wchar_t* suffix : {L"", L".bak"})
        ::DeleteFileW((shelf.file + suffix).c_str());
}

}  // namespace
