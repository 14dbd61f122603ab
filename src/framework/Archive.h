#pragma once
#include <cstdint>

class CMemFile;

// Loading archive over a memory file. Values are little-endian. A value
// that runs past the end throws CArchiveException (the caller catches it);
// Read returns the bytes it could read instead. Needs no Win32.
class CArchive {
public:
    explicit CArchive(CMemFile& file) : file(file) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    unsigned Read(void* buffer, unsigned count);
    CArchive& operator>>(int32_t& value);

private:
    CMemFile& file;
};
