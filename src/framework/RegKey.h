#pragma once
#include <vector>

#include <windows.h>

#include "framework/UniqueHandle.h"

// RegCloseKey as an owning handle's free function.
inline BOOL CloseRegKey(HKEY key)
{
    return ::RegCloseKey(key) == ERROR_SUCCESS;
}

// Owns an open registry key (RegCloseKey); HKEY is the view.
class CRegKey : public UniqueHandle<HKEY, CloseRegKey> {
public:
    // subKey is ASCII; closes the key owned so far.
    LONG Open(HKEY parent, const char* subKey, REGSAM access = KEY_READ);
    // A value's type and bytes, no more than maxBytes of them; the bytes end
    // at the size the registry returned, with no terminator added. A null
    // name reads the default value.
    LONG QueryValue(const char* name, DWORD& type, std::vector<BYTE>& bytes, DWORD maxBytes) const;
};
