#include "menu/PlatformLook.h"

#include <algorithm>
#include <cstring>

namespace {

int Map95Family(unsigned major, unsigned minor)
{
    if (major == 4 && minor == 10)
        return kWindows98;
    if (major == 4 && minor == 90)
        return kWindowsMe;
    return kWindows95;
}

int MapNtFamily(unsigned major, unsigned minor)
{
    if (major == 4)
        return kWindowsNT4;
    if (major == 5 && minor == 0)
        return kWindows2000;
    if (major == 5 && minor == 1)
        return kWindowsXP;
    return kWindowsNT;
}

char LowerAscii(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

}  // namespace

int MapWindowsVersion(std::uint32_t packedVersion, unsigned major, unsigned minor)
{
    if (!(packedVersion & 0x80000000u))
        return MapNtFamily(major, minor);
    if ((packedVersion & 0xFF) < 4)
        return kWin32s;
    return Map95Family(major, minor);
}

std::string RegistryText(const unsigned char* bytes, std::size_t size)
{
    const unsigned char* end = bytes ? std::find(bytes, bytes + size, 0) : bytes;
    return std::string(bytes, end);
}

bool IsClassicThemeName(const std::string& themeFile)
{
    static const char ending[] = "Windows Classic.theme";
    const std::size_t length = sizeof ending - 1;
    if (themeFile.size() < length)
        return false;
    return std::equal(ending, ending + length, themeFile.end() - length,
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}
