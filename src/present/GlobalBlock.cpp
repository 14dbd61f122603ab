#include "present/GlobalBlock.h"

#include <cstring>
#include <utility>

GlobalBlock::~GlobalBlock()
{
    if (block)
        ::GlobalFree(block);
}

GlobalBlock::GlobalBlock(GlobalBlock&& other) noexcept : block(std::exchange(other.block, nullptr)) {}

GlobalBlock& GlobalBlock::operator=(GlobalBlock&& other) noexcept
{
    if (this != &other) {
        if (block)
            ::GlobalFree(block);
        block = std::exchange(other.block, nullptr);
    }
    return *this;
}

GlobalBlock GlobalBlock::Copy(const void* data, std::size_t size)
{
    GlobalBlock copy(::GlobalAlloc(GMEM_MOVEABLE, size));
    void* bytes = copy ? ::GlobalLock(copy.block) : nullptr;
    if (!bytes)
        return GlobalBlock();
    std::memcpy(bytes, data, size);
    ::GlobalUnlock(copy.block);
    return copy;
}

HGLOBAL GlobalBlock::Detach()
{
    return std::exchange(block, nullptr);
}
