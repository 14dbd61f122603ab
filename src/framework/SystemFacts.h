#pragma once
#include <vector>

#include <windows.h>

// What GetVersion and GetVersionExA report.
struct WindowsVersionFacts {
    DWORD packedVersion = 0;  // GetVersion
    // GetVersionExA's record; zero when it fails.
    DWORD major = 0;
    DWORD minor = 0;
};

// A registry value as read: type and bytes, size as returned.
struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

// The platform facts that choose a look. Tests install their own to pick the
// Windows version, the desktop theme and a palette display.
class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    virtual WindowsVersionFacts Version() const;
    // The default value of HKEY_CURRENT_USER\subKey, at most maxBytes of it;
    // false when the key or the value cannot be read.
    virtual bool ReadUserDefaultValue(const char* subKey, DWORD maxBytes, RegistryValue& value) const;
    virtual bool HasPalette(HDC dc) const;

    static const SystemFacts& Current();
    // null restores the platform's; the installed object must outlive its use.
    static void Install(const SystemFacts* facts);
};
