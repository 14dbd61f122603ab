// The column state block, as the profile stores it (hex text) and as the
// header reads it (binary).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "framework/ProfileBinary.h"
#include "listctrl/ColumnState.h"

namespace {

const int kColumns = 11;

void ReadBlock(std::vector<unsigned char> block)
{
    const size_t size = block.size();
    CMemFile file(std::move(block));
    CArchive archive(file);
    // Never more widths than the block holds.
    if (ReadColumnWidths(archive, kColumns).size() * 4 > size)
        __builtin_trap();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReadBlock(std::vector<unsigned char>(data, data + size));
    // The stored text form: each input byte one character of the entry.
    std::vector<unsigned char> block;
    if (DecodeProfileBinary(std::wstring(data, data + size), block))
        ReadBlock(block);
    return 0;
}
