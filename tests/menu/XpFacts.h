#pragma once
#include <string>

#include "framework/SystemFacts.h"

constexpr char kClassicTheme[] = "C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme";
constexpr char kLunaTheme[] = "C:\\WINDOWS\\Resources\\Themes\\Luna.theme";

// Windows XP with a desktop theme: Luna gives the flat look, the classic
// theme the classic one.
class XpFacts : public SystemFacts {
public:
    explicit XpFacts(const std::string& theme) : theme(theme) {}
    WindowsVersionFacts Version() const override { return {0x0A280105, 5, 1}; }
    bool ReadUserDefaultValue(const char*, DWORD, RegistryValue& value) const override
    {
        value.type = REG_SZ;
        value.bytes.assign(theme.begin(), theme.end());
        value.bytes.push_back(0);
        return true;
    }
    bool HasPalette(HDC) const override { return false; }

private:
    std::string theme;
};
