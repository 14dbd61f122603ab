#include "framework/RegKey.h"

#include <algorithm>

LONG CRegKey::Open(HKEY parent, const char* subKey, REGSAM access)
{
    Destroy();
    HKEY opened = nullptr;
    LONG status = ::RegOpenKeyExA(parent, subKey, 0, access, &opened);
    Attach(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

LONG CRegKey::QueryValue(const char* name, DWORD& type, std::vector<BYTE>& bytes, DWORD maxBytes) const
{
    bytes.assign(maxBytes, 0);
    DWORD size = maxBytes;
    LONG status = ::RegQueryValueExA(GetSafeHandle(), name, nullptr, &type, bytes.data(), &size);
    bytes.resize(status == ERROR_SUCCESS ? std::min(size, maxBytes) : 0);
    return status;
}
