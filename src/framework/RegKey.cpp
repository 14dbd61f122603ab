#include "framework/RegKey.h"

#include <utility>

CRegKey::~CRegKey()
{
    Close();
}

CRegKey::CRegKey(CRegKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr))
{
}

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_hKey = std::exchange(other.m_hKey, nullptr);
    }
    return *this;
}

LONG CRegKey::Open(HKEY parent, const char* subKey, REGSAM access)
{
    Close();
    return ::RegOpenKeyExA(parent, subKey, 0, access, &m_hKey);
}

void CRegKey::Close()
{
    if (HKEY key = std::exchange(m_hKey, nullptr))
        ::RegCloseKey(key);
}

LONG CRegKey::QueryValue(const char* name, DWORD& type, std::vector<BYTE>& bytes, DWORD maxBytes) const
{
    bytes.assign(maxBytes, 0);
    DWORD size = maxBytes;
    LONG status = ::RegQueryValueExA(m_hKey, name, nullptr, &type, bytes.data(), &size);
    bytes.resize(status == ERROR_SUCCESS ? size : 0);
    return status;
}
