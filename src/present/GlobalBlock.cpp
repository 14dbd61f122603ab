#include "present/GlobalBlock.h"

#include <cstring>

GlobalBlock GlobalBlock::Copy(const void* data, std::size_t size)
{
    GlobalBlock copy;
    copy.Attach(::GlobalAlloc(GMEM_MOVEABLE, size));
    void* bytes = copy ? ::GlobalLock(copy) : nullptr;
    if (!bytes)
        return GlobalBlock();
    std::memcpy(bytes, data, size);
    ::GlobalUnlock(copy);
    return copy;
}
