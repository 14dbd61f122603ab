#include "lookup/PlatformCodePages.h"

#include <windows.h>

#include "framework/CodePage.h"

bool PlatformCodePages::ToUtf8(unsigned codePage, const std::string& bytes, std::string& utf8) const
{
    utf8.clear();
    if (bytes.empty())
        return true;
    const int size = static_cast<int>(bytes.size());
    int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) != length)
        return false;
    utf8 = WideToMultiByte(wide, CP_UTF8);
    return true;
}
