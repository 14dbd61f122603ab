#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Codes of the Windows versions that choose the menu's look.
enum WindowsVersionCode {
    kWin32s = 0,
    kWindowsNT = 1,  // NT 3.x and every version after XP
    kWindows95 = 2,
    kWindows98 = 3,
    kWindowsMe = 4,
    kWindowsNT4 = 5,
    kWindows2000 = 6,
    kWindowsXP = 7,
};

// From GetVersion and the version record's major and minor numbers (both 0
// when the record could not be had).
int MapWindowsVersion(std::uint32_t packedVersion, unsigned major, unsigned minor);

// A registry string's bytes as text: it ends at the first zero byte, or at
// the size read when there is none.
std::string RegistryText(const unsigned char* bytes, std::size_t size);

// True when the theme file name ends with "Windows Classic.theme", in any case.
bool IsClassicThemeName(const std::string& themeFile);
