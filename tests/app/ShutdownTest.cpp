#include <windows.h>
#include <gtest/gtest.h>

#include "AppCopy.h"
#include "TestServer.h"
#include "WaitFor.h"
#include "resource.h"

namespace {

TEST(Shutdown, ClosingWhileBothWorkersWaitOnAStalledServerEndsCleanly)
{
    AppCopy app(QUILL_APP_EXE, L"shutdown");
    HWND dialog = app.WaitForMainWindow();
    ASSERT_NE(nullptr, dialog);

    HWND edit = ::GetDlgItem(dialog, IDC_ISBN_EDIT);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"stall"));
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    WaitFor(
        [] { return ServerRequestCount("/isbn/stall/") > 0 && ServerRequestCount("/BookSearch.aspx?ISBN=stall") > 0; });
    ASSERT_EQ(1, ServerRequestCount("/isbn/stall/"));
    ASSERT_EQ(1, ServerRequestCount("/BookSearch.aspx?ISBN=stall"));

    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, app.WaitForExit(5000));
}

}
