#include <gtest/gtest.h>
#include <windows.h>

#include "AppCopy.h"
#include "TestServer.h"
#include "framework/KernelHandle.h"

namespace {

TEST(Shutdown, ClosingWhileBothWorkersWaitOnAStalledServerEndsCleanly)
{
    std::wstring exe = InstallAppCopy(QUILL_APP_EXE, L"shutdown");
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    KernelHandle process(pi.hProcess), thread(pi.hThread);
    HWND dialog = WaitForMainWindow(pi.dwProcessId);
    ASSERT_NE(nullptr, dialog);

    HWND edit = ::GetDlgItem(dialog, 1002);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"stall"));
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 100 && (ServerRequestCount("/isbn/stall/") == 0 ||
                                ServerRequestCount("/BookSearch.aspx?ISBN=stall") == 0); ++i)
        ::Sleep(50);
    ASSERT_EQ(1, ServerRequestCount("/isbn/stall/"));
    ASSERT_EQ(1, ServerRequestCount("/BookSearch.aspx?ISBN=stall"));

    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.GetSafeHandle(), 5000));
    DWORD code = 1;
    ::GetExitCodeProcess(process.GetSafeHandle(), &code);
    EXPECT_EQ(0u, code);
    RemoveAppCopy(exe);
}

}
