#include "framework/SystemFacts.h"

#include "framework/RegKey.h"

namespace {

const SystemFacts* installedFacts = nullptr;

}  // namespace

WindowsVersionFacts SystemFacts::Version() const
{
    WindowsVersionFacts facts;
    facts.packedVersion = ::GetVersion();
    OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = sizeof record;
    if (!::GetVersionExA(&record))
        return facts;
    facts.major = record.dwMajorVersion;
    facts.minor = record.dwMinorVersion;
    return facts;
}

bool SystemFacts::ReadUserDefaultValue(const char* subKey, DWORD maxBytes, RegistryValue& value) const
{
    CRegKey key;
    return key.Open(HKEY_CURRENT_USER, subKey) == ERROR_SUCCESS &&
           key.QueryValue(nullptr, value.type, value.bytes, maxBytes) == ERROR_SUCCESS;
}

bool SystemFacts::HasPalette(HDC dc) const
{
    return (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
}

// Made on first use: the menu detects the version during static
// initialisation.
const SystemFacts& SystemFacts::Current()
{
    static const SystemFacts platformFacts;
    return installedFacts ? *installedFacts : platformFacts;
}

void SystemFacts::Install(const SystemFacts* facts)
{
    installedFacts = facts;
}
