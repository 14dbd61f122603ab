#pragma once
#include <string>

#include <windows.h>

#include "framework/KernelHandle.h"

// The program at exe, copied to a folder of its own (named after tag) with
// a Quillfind.ini beside it that points every source at the test catalogue
// service and the shelf at shelf.mrc in that folder, and started. The copy
// is removed with the object.
class AppCopy {
public:
    AppCopy(const std::wstring& exe, const std::wstring& tag);
    ~AppCopy();
    AppCopy(const AppCopy&) = delete;
    AppCopy& operator=(const AppCopy&) = delete;

    // Its main window once it is there; null after about ten seconds.
    HWND WaitForMainWindow() const;
    // Its exit code once it has ended within timeoutMs; STILL_ACTIVE otherwise.
    DWORD WaitForExit(DWORD timeoutMs) const;
    // Ends it at once, as a crash or the task manager would.
    void Kill();
    std::wstring ShelfPath() const;

private:
    std::wstring copy;
    KernelHandle process;
    DWORD processId = 0;
};
