#pragma once
#include <string>

#include <windows.h>

// ShellExecuteEx with a record of this platform's size (a 32-bit size is
// refused on x86_64). verb and file are code page 936. The shell's answer.
BOOL AfxShellExecuteEx(const std::string& verb, const std::string& file, ULONG mask, int show);
