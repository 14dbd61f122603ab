#pragma once
#include <cstddef>
#include <utility>
#include <vector>

// A file in memory over its own copy of some bytes; read only. Needs no Win32.
class CMemFile {
public:
    explicit CMemFile(std::vector<unsigned char> bytes) : bytes(std::move(bytes)) {}

    // Returns the number of bytes read, fewer than count at the end.
    unsigned Read(void* buffer, unsigned count);

private:
    std::vector<unsigned char> bytes;
    size_t position = 0;
};
