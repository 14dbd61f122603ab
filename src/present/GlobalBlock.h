#pragma once
#include <cstddef>

#include <windows.h>

// Owns a movable global memory block (GlobalFree in the destructor) until
// Release hands it to a new owner such as a stream or the clipboard.
class GlobalBlock {
public:
    GlobalBlock() = default;
    ~GlobalBlock();
    GlobalBlock(GlobalBlock&& other) noexcept;
    GlobalBlock& operator=(GlobalBlock&& other) noexcept;
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    // A block holding a copy of size (> 0) bytes; empty when allocation fails.
    static GlobalBlock Copy(const void* data, std::size_t size);

    HGLOBAL GetSafeHandle() const { return block; }
    explicit operator bool() const { return block != nullptr; }
    HGLOBAL Detach();

private:
    explicit GlobalBlock(HGLOBAL h) : block(h) {}

    HGLOBAL block = nullptr;
};
