#include <cstdio>

#include <gtest/gtest.h>
#include <windows.h>

#include "TestServer.h"
#include "framework/KernelHandle.h"

namespace {

struct Found {
    DWORD process;
    HWND dialog;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param)
{
    auto* found = reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == found->process && ::GetDlgItem(hwnd, 1002)) {
        found->dialog = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A copy of Quillfind.exe in its own folder, with a Quillfind.ini beside it.
std::wstring InstallCopy()
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quillfind-shutdown-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring exe = folder + L"\\Quillfind.exe";
    ::CopyFileW(QUILL_APP_EXE, exe.c_str(), FALSE);
    std::string ini = "[Sources]\ncommunity=" + TestServerBase() + "\nlibrary=" + TestServerBase() +
                      "\ncovers=" + TestServerBase() + "/lpic/\n";
    FILE* file = _wfopen((folder + L"\\Quillfind.ini").c_str(), L"wb");
    std::fwrite(ini.data(), 1, ini.size(), file);
    std::fclose(file);
    return exe;
}

TEST(Shutdown, ClosingWhileBothWorkersWaitOnAStalledServerEndsCleanly)
{
    std::wstring exe = InstallCopy();
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    KernelHandle process(pi.hProcess), thread(pi.hThread);
    Found found{pi.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !found.dialog; ++i) {
        ::Sleep(50);
        ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
    }
    ASSERT_NE(nullptr, found.dialog);

    HWND edit = ::GetDlgItem(found.dialog, 1002);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"stall"));
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 100 && (ServerRequestCount("/isbn/stall/") == 0 ||
                                ServerRequestCount("/BookSearch.aspx?ISBN=stall") == 0); ++i)
        ::Sleep(50);
    ASSERT_EQ(1, ServerRequestCount("/isbn/stall/"));
    ASSERT_EQ(1, ServerRequestCount("/BookSearch.aspx?ISBN=stall"));

    ::PostMessageW(found.dialog, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.GetSafeHandle(), 5000));
    DWORD code = 1;
    ::GetExitCodeProcess(process.GetSafeHandle(), &code);
    EXPECT_EQ(0u, code);
    std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
    ::DeleteFileW(exe.c_str());
    ::DeleteFileW((folder + L"\\Quillfind.ini").c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}
