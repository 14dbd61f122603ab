#pragma once
#include <cstdint>
#include <vector>

class CArchive;

// The column state block: a count, then one width per column. The widths
// when the count equals columnCount, else none. A block that ends early
// gives the widths it has.
std::vector<int32_t> ReadColumnWidths(CArchive& archive, int columnCount);
