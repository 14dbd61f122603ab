#pragma once
#include <string>

#include "framework/SystemFacts.h"

// Platform facts a test chooses: the version GetVersion and GetVersionExA
// report, the theme value's type and bytes, and whether the display has a
// palette. Installed for the object's lifetime; the look is detected anew.
class ChosenPlatform : public SystemFacts {
public:
    ChosenPlatform(WindowsVersionFacts version, DWORD themeType, std::string themeBytes);
    ~ChosenPlatform() override;

    WindowsVersionFacts Version() const override { return version; }
    bool ReadUserDefaultValue(const char* subKey, DWORD maxBytes, RegistryValue& value) const override;
    bool HasPalette(HDC) const override { return false; }

    static ChosenPlatform ThemedXP() { return ChosenPlatform(kXP, REG_SZ, "C:\\Themes\\Luna.theme"); }
    static ChosenPlatform ClassicXP(std::string themeBytes)
    {
        return ChosenPlatform(kXP, REG_SZ, std::move(themeBytes));
    }

    static constexpr WindowsVersionFacts kXP{0x0A280105, 5, 1};
    mutable int themeReads = 0;

private:
    WindowsVersionFacts version;
    DWORD themeType;
    std::string themeBytes;
};
