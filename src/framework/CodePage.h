#pragma once
#include <string>

#include <windows.h>

// Page text is code page 936 bytes; every window, message box and clipboard
// receives UTF-16, converted here, so the system locale never matters.
constexpr UINT kPageCodePage = 936;

std::wstring MultiByteToWide(const std::string& text, UINT codePage = kPageCodePage);
std::string WideToMultiByte(const std::wstring& text, UINT codePage = kPageCodePage);

// Program texts are written in UTF-8 source; this gives their code page 936 form.
std::string Cp936FromUtf8(const std::string& utf8);
