#include "framework/Resource.h"

#include "framework/ModuleState.h"

namespace {

ResourceData FindIn(HINSTANCE module, const wchar_t* name, const wchar_t* type)
{
    ResourceData found;
    HRSRC info = ::FindResourceW(module, name, type);
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (bytes) {
        found.data = static_cast<const BYTE*>(bytes);
        found.size = ::SizeofResource(module, info);
        found.module = module;
    }
    return found;
}

}  // namespace

ResourceData AfxFindResourceData(const wchar_t* name, const wchar_t* type)
{
    HINSTANCE own = ::GetModuleHandleW(nullptr);
    if (AfxGetResourceHandle() != own) {
        ResourceData found = FindIn(AfxGetResourceHandle(), name, type);
        if (found.data)
            return found;
    }
    return FindIn(own, name, type);
}
