#pragma once
#include <string>

#include <windows.h>

// A copy of the program at exe in a folder of its own (named after tag),
// with a Quillfind.ini beside it that points every source at the test
// catalogue service. Returns the copy's path.
std::wstring InstallAppCopy(const std::wstring& exe, const std::wstring& tag);
void RemoveAppCopy(const std::wstring& copy);
// The main window of process, once it is there; null after about ten seconds.
HWND WaitForMainWindow(DWORD process);
