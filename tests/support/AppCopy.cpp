#include "AppCopy.h"

#include <cstdio>

#include "TestServer.h"

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

std::wstring Folder(const std::wstring& path)
{
    return path.substr(0, path.rfind(L'\\'));
}

}

std::wstring InstallAppCopy(const std::wstring& exe, const std::wstring& tag)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quillfind-" + tag + L"-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring copy = folder + L"\\Quillfind.exe";
    ::CopyFileW(exe.c_str(), copy.c_str(), FALSE);
    std::string ini = "[Sources]\ncommunity=" + TestServerBase() + "\nlibrary=" + TestServerBase() +
                      "\ncovers=" + TestServerBase() + "/lpic/\n";
    FILE* file = _wfopen((folder + L"\\Quillfind.ini").c_str(), L"wb");
    std::fwrite(ini.data(), 1, ini.size(), file);
    std::fclose(file);
    return copy;
}

void RemoveAppCopy(const std::wstring& copy)
{
    ::DeleteFileW(copy.c_str());
    ::DeleteFileW((Folder(copy) + L"\\Quillfind.ini").c_str());
    ::RemoveDirectoryW(Folder(copy).c_str());
}

HWND WaitForMainWindow(DWORD process)
{
    Found found{process, nullptr};
    for (int i = 0; i < 200 && !found.dialog; ++i) {
        ::Sleep(50);
        ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
    }
    return found.dialog;
}
