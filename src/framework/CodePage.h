#pragma once
#include <string>

#include <windows.h>

// Page text is code page 936 bytes; every window, message box and clipboard
// receives UTF-16, converted here, so the system locale never matters.
constexpr UINT kPageCodePage = 936;

std::wstring MultiByteToWide(const std::string& text, UINT codePage = kPageCodePage);
std::string WideToMultiByte(const std::wstring& text, UINT codePage = kPageCodePage);
