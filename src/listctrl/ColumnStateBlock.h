#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The list's column-state profile entry: a little-endian signed 32-bit column
// count followed by that many signed 32-bit widths. Bytes after the announced
// widths are ignored.

struct ColumnStateBlock {
    bool hasCount = false;        // at least 4 bytes were present
    int32_t count = 0;            // announced column count (0 without one)
    std::vector<int32_t> widths;  // the widths actually present, at most count
    bool complete = false;        // the count and all announced widths were present
};

// Never reads past the data; a huge announced count allocates only what exists.
// A negative count announces no widths, so its block is complete.
ColumnStateBlock ParseColumnState(const std::vector<unsigned char>& bytes);

// The widths to set on a header with `headerItemCount` items: none for an
// empty or sub-4-byte block or a count that differs. A block shorter than its
// count announces yields the widths read so far, as the header would have set
// them one by one before running out of data.
std::vector<int32_t> WidthsToApply(const std::vector<unsigned char>& bytes, int headerItemCount);

// The block for `widths`; nothing in the program writes the entry, this lets
// tests and tools put one into the profile.
std::vector<unsigned char> EncodeColumnState(const std::vector<int32_t>& widths);

// Hex text for keeping the block in an initialisation file: two upper-case
// digits per byte.
std::string BytesToHex(const std::vector<unsigned char>& bytes);

// Two hex digits per byte, either case, nothing else (no white space). Odd
// length or a bad digit gives false and leaves `bytes` unchanged.
bool HexToBytes(const std::string& hex, std::vector<unsigned char>& bytes);
