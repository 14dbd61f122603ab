#pragma once
#include <utility>
#include <vector>

#include <windows.h>

// Owns an open registry key (RegCloseKey in the destructor); HKEY is the
// non-owning view.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey();
    CRegKey(CRegKey&& other) noexcept;
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    HKEY GetSafeHandle() const { return handle; }
    HKEY Detach() { return std::exchange(handle, nullptr); }
    BOOL Destroy();

    // subKey is ASCII; closes the key owned so far.
    LONG Open(HKEY parent, const char* subKey, REGSAM access = KEY_READ);
    // A value's type and bytes, no more than maxBytes of them; the bytes end
    // at the size the registry returned, with no terminator added. A null
    // name reads the default value.
    LONG QueryValue(const char* name, DWORD& type, std::vector<BYTE>& bytes, DWORD maxBytes) const;

private:
    HKEY handle = nullptr;
};
