#pragma once
#include <cstddef>
#include <utility>
#include <vector>

#include <windows.h>

// A file in memory over its own copy of some bytes; read only.
class CMemFile {
public:
    explicit CMemFile(std::vector<BYTE> bytes) : bytes(std::move(bytes)) {}

    // Returns the number of bytes read, fewer than count at the end.
    UINT Read(void* buffer, UINT count);

private:
    std::vector<BYTE> bytes;
    size_t position = 0;
};
