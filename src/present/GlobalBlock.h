#pragma once
#include <cstddef>

#include <windows.h>

#include "framework/UniqueHandle.h"

// GlobalFree as an owning handle's free function.
inline BOOL FreeGlobalBlock(HGLOBAL block)
{
    return ::GlobalFree(block) == nullptr;
}

// Owns a movable global memory block until Detach hands it to a new owner,
// such as a stream or the clipboard.
class GlobalBlock : public UniqueHandle<HGLOBAL, FreeGlobalBlock> {
public:
    // A block holding a copy of size (> 0) bytes; empty when allocation fails.
    static GlobalBlock Copy(const void* data, std::size_t size);
};
