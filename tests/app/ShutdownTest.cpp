#include <cstdio>
#include <string>

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "AppCopy.h"
#include "TestServer.h"
#include "WaitFor.h"
#include "resource.h"
#include "shelf/ShelfScan.h"

namespace {

// Killed right after the window counts the record: it is on the disk whole.
TEST(Shutdown, ARecordTheShelfCountedSurvivesTheProcessBeingKilled)
{
    AppCopy app(QUILL_APP_EXE, L"killed");
    HWND dialog = app.WaitForMainWindow();
    ASSERT_NE(nullptr, dialog);
    HWND edit = ::GetDlgItem(dialog, IDC_ISBN_EDIT), list = ::GetDlgItem(dialog, IDC_RESULT_LIST);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9787111111111"));
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    // A cold program under a loaded machine: a longer deadline.
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }, 60000));
    ::PostMessageW(list, WM_KEYDOWN, VK_HOME, 1);
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }));
    ::PostMessageW(dialog, WM_COMMAND, ID_SHELF_ADD, 0);
    ASSERT_TRUE(WaitFor([&] {
        wchar_t count[32] = {};
        // Another process's control: asked for its text.
        ::SendMessageW(::GetDlgItem(dialog, IDC_SHELF_COUNT), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(count));
        return std::wstring(count) == L"书架：1";
    }));
    app.Kill();

    std::string bytes;
    if (FILE* in = _wfopen(app.ShelfPath().c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
            bytes.append(buffer, got);
        std::fclose(in);
    }
    const ShelfScan scan = ScanShelf(bytes);
    EXPECT_EQ(1u, scan.records);
    EXPECT_EQ(bytes.size(), scan.wholeBytes);
    EXPECT_NE(std::string::npos, bytes.find("9787111111111"));
}

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
