#include "framework/RegKey.h"

#include <algorithm>

CRegKey::~CRegKey()
{
    Destroy();
}

CRegKey::CRegKey(CRegKey&& other) noexcept : handle(other.Detach())
{
}

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other) {
        Destroy();
        handle = other.Detach();
    }
    return *this;
}

BOOL CRegKey::Destroy()
{
    HKEY old = Detach();
    return old && ::RegCloseKey(old) == ERROR_SUCCESS;
}

LONG CRegKey::Open(HKEY parent, const char* subKey, REGSAM access)
{
    Destroy();
    return ::RegOpenKeyExA(parent, subKey, 0, access, &handle);
}

LONG CRegKey::QueryValue(const char* name, DWORD& type, std::vector<BYTE>& bytes, DWORD maxBytes) const
{
    bytes.assign(maxBytes, 0);
    DWORD size = maxBytes;
    LONG status = ::RegQueryValueExA(handle, name, nullptr, &type, bytes.data(), &size);
    bytes.resize(status == ERROR_SUCCESS ? std::min(size, maxBytes) : 0);
    return status;
}
