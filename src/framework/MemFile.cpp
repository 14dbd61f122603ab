#include "framework/MemFile.h"

#include <algorithm>
#include <cstring>

UINT CMemFile::Read(void* buffer, UINT count)
{
    size_t n = std::min<size_t>(count, bytes.size() - position);
    std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    return static_cast<UINT>(n);
}
