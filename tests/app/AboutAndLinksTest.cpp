#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "DialogHarness.h"
#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "controls/HyperLinkLabel.h"
#include "framework/ModuleState.h"
#include "resource.h"

namespace {

std::wstring Text(HWND window)
{
    wchar_t text[128] = {};
    ::SendMessageW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return text;
}

// The about box's statics in template order: icon, name and version, rights notice.
void ExpectAboutBoxContents(HWND about)
{
    HWND icon = ::GetWindow(about, GW_CHILD);
    HWND name = ::GetWindow(icon, GW_HWNDNEXT);
    HWND rights = ::GetWindow(name, GW_HWNDNEXT);
    HWND ok = ::GetDlgItem(about, IDOK);
    EXPECT_NE(::SendMessageW(icon, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(Text(name), L"Quillfind 1.0 版");
    EXPECT_EQ(Text(rights), L"版权所有 (C) 2026 Quillfind 团队");
    EXPECT_EQ(Text(ok), L"确定");
    EXPECT_EQ(::GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

}  // namespace

TEST(AboutBox, SystemMenuCommandOpensItAndEnterEscapeOrItsCloseBoxCloseIt)
{
    BookLookupDialog dialog(TestSourceConfig());
    AfxSetMainWnd(&dialog);
    DialogHarness harness;
    harness.Run(dialog, [](DialogHarness& h) {
        HMENU menu = ::GetSystemMenu(h.Dialog(), FALSE);
        int count = ::GetMenuItemCount(menu);
        wchar_t item[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(count - 1), item, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(item), L"关于 Quillfind(&A)...");
        EXPECT_EQ(::GetMenuItemID(menu, count - 1), 16u);
        EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);

        const std::function<void(HWND)> closers[] = {
            [&h](HWND about) { h.PressKey(::GetDlgItem(about, IDOK), VK_RETURN); },
            [&h](HWND about) { h.PressKey(::GetDlgItem(about, IDOK), VK_ESCAPE); },
            [](HWND about) { ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); },
        };
        bool first = true;
        for (const auto& close : closers) {
            // The platform may set the low four bits; they do not count.
            ::PostMessageW(h.Dialog(), WM_SYSCOMMAND, first ? 16 : 16 | 3, 0);
            HWND about = nullptr;
            ASSERT_TRUE(WaitFor([&] {
                return (about = ::FindWindowW(L"#32770", L"关于 Quillfind")) != nullptr && ::IsWindowVisible(about);
            }));
            EXPECT_EQ(::GetWindow(about, GW_OWNER), h.Dialog());
            EXPECT_FALSE(::IsWindowEnabled(h.Dialog()));
            if (first)
                ExpectAboutBoxContents(about);
            first = false;
            close(about);
            ASSERT_TRUE(WaitFor([&] { return !::IsWindow(about); }));
            EXPECT_TRUE(::IsWindowEnabled(h.Dialog()));
        }
        // Other system commands still get their default processing.
        ::PostMessageW(h.Dialog(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(WaitFor([&] { return ::IsIconic(h.Dialog()) != FALSE; }));
        ::PostMessageW(h.Dialog(), WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(WaitFor([&] { return !::IsIconic(h.Dialog()); }));
        ::PostMessageW(h.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        if (!WaitFor([&] { return !::IsWindow(h.Dialog()); })) {
            ADD_FAILURE() << "SC_CLOSE did not close the main window";
            h.Close();
        }
    });
    AfxSetMainWnd(nullptr);
}

TEST(MainWindowLinks, HelpAndCreditLabelsOpenTheProductSite)
{
    std::vector<std::wstring> opened;
    HyperLinkLabel::SetShellOpenHook([&](HWND, const std::wstring& url) -> INT_PTR {
        opened.push_back(url);
        return 42;
    });
    BookLookupDialog dialog;
    DialogHarness harness;
    harness.Run(dialog, [](DialogHarness& h) {
        ::SendMessageW(h.Item(IDC_HELP_LABEL), WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
        ::SendMessageW(h.Item(IDC_CREDIT_LABEL), WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
        h.Close();
    });
    HyperLinkLabel::SetShellOpenHook(nullptr);
    EXPECT_EQ(opened,
              (std::vector<std::wstring>{L"https://quillfind.example/quillfind", L"https://quillfind.example"}));
}
