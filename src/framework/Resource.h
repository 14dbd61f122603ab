#pragma once
#include <cstddef>

#include <windows.h>

// A resource's bytes as the module holds them (never freed); data is null
// when the resource is not found or cannot be loaded.
struct ResourceData {
    const BYTE* data = nullptr;
    std::size_t size = 0;
    HINSTANCE module = nullptr;
};

// Looks in the resource module (AfxGetResourceHandle), then in the
// program's own module; name and type may be integer resources (MAKEINTRESOURCE).
ResourceData AfxFindResourceData(const wchar_t* name, const wchar_t* type);
