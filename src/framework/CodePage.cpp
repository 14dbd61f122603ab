#include "framework/CodePage.h"

std::wstring MultiByteToWide(const std::string& text, UINT codePage)
{
    if (text.empty())
        return std::wstring();
    int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string WideToMultiByte(const std::wstring& text, UINT codePage)
{
    if (text.empty())
        return std::string();
    int n =
        ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::string Cp936FromUtf8(const std::string& utf8)
{
    return WideToMultiByte(MultiByteToWide(utf8, CP_UTF8), kPageCodePage);
}
