#include "listctrl/ColumnState.h"

#include "framework/Archive.h"
#include "framework/ArchiveException.h"

std::vector<int32_t> ReadColumnWidths(CArchive& archive, int columnCount)
{
    std::vector<int32_t> widths;
    try {
        int32_t count = 0;
        archive >> count;
        if (count != columnCount)
            return widths;
        for (int column = 0; column < count; ++column) {
            int32_t width = 0;
            archive >> width;
            widths.push_back(width);
        }
    } catch (const CArchiveException&) {
        // The block ended before its count.
    }
    return widths;
}
