#include "framework/Archive.h"

#include "framework/ArchiveException.h"
#include "framework/MemFile.h"

unsigned CArchive::Read(void* buffer, unsigned count)
{
    return file.Read(buffer, count);
}

CArchive& CArchive::operator>>(int32_t& value)
{
    unsigned char bytes[4];
    if (Read(bytes, sizeof(bytes)) != sizeof(bytes))
        throw CArchiveException();
    value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                 static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
    return *this;
}
