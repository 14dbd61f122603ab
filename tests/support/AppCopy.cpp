#include "AppCopy.h"

#include <cstdio>

#include "TestServer.h"
#include "WaitFor.h"
#include "framework/CodePage.h"
#include "resource.h"

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
    // Visible once its initialisation is done, which would otherwise empty a
    // box filled in before.
    if (pid == found->process && ::IsWindowVisible(hwnd) && ::GetDlgItem(hwnd, IDC_ISBN_EDIT)) {
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

AppCopy::AppCopy(const std::wstring& exe, const std::wstring& tag)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quillfind-" + tag + L"-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    copy = folder + L"\\Quillfind.exe";
    ::CopyFileW(exe.c_str(), copy.c_str(), FALSE);
    std::string ini = "[Sources]\ncommunity=" + TestServerBase() + "\nlibrary=" + TestServerBase() +
                      "\ncovers=" + TestServerBase() + "/lpic/\n[Shelf]\nfile=" + WideToMultiByte(ShelfPath()) + "\n";
    FILE* file = _wfopen((folder + L"\\Quillfind.ini").c_str(), L"wb");
    std::fwrite(ini.data(), 1, ini.size(), file);
    std::fclose(file);

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (::CreateProcessW(copy.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        process.Attach(pi.hProcess);
        ::CloseHandle(pi.hThread);
        processId = pi.dwProcessId;
    }
}

AppCopy::~AppCopy()
{
    if (WaitForExit(5000) == STILL_ACTIVE)
        ::TerminateProcess(process.GetSafeHandle(), 1);
    ::DeleteFileW(copy.c_str());
    ::DeleteFileW((Folder(copy) + L"\\Quillfind.ini").c_str());
    for (const wchar_t* suffix : {L"", L".torn", L".bak"})
        ::DeleteFileW((ShelfPath() + suffix).c_str());
    ::RemoveDirectoryW(Folder(copy).c_str());
}

void AppCopy::Kill()
{
    ::TerminateProcess(process.GetSafeHandle(), 1);
    ::WaitForSingleObject(process.GetSafeHandle(), 5000);
}

std::wstring AppCopy::ShelfPath() const
{
    return Folder(copy) + L"\\shelf.mrc";
}

HWND AppCopy::WaitForMainWindow() const
{
    Found found{processId, nullptr};
    WaitFor(
        [&] {
            if (processId)
                ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
            return found.dialog != nullptr;
        },
        10000);
    return found.dialog;
}

DWORD AppCopy::WaitForExit(DWORD timeoutMs) const
{
    DWORD code = STILL_ACTIVE;
    if (process && ::WaitForSingleObject(process.GetSafeHandle(), timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.GetSafeHandle(), &code);
    return code;
}
