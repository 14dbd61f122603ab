#include "framework/MemFile.h"

#include <algorithm>
#include <cstring>

unsigned CMemFile::Read(void* buffer, unsigned count)
{
    size_t n = std::min<size_t>(count, bytes.size() - position);
    // An empty file has no data pointer to copy from.
    if (n != 0)
        std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    return static_cast<unsigned>(n);
}
