#include "listctrl/ColumnStateBlock.h"

#include <cstddef>

namespace {

int32_t ReadInt32(const std::vector<unsigned char>& bytes, std::size_t offset) {
    uint32_t u = static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
                 static_cast<uint32_t>(bytes[offset + 2]) << 16 |
                 static_cast<uint32_t>(bytes[offset + 3]) << 24;
    // Two's complement reinterpretation without implementation-defined casts.
    return u <= 0x7FFFFFFFu ? static_cast<int32_t>(u)
                            : -static_cast<int32_t>(~u) - 1;
}

void AppendInt32(std::vector<unsigned char>& bytes, int32_t value) {
    uint32_t u = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(u >> shift));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

ColumnStateBlock ParseColumnState(const std::vector<unsigned char>& bytes) {
    ColumnStateBlock block;
    if (bytes.size() < 4) return block;
    block.hasCount = true;
    block.count = ReadInt32(bytes, 0);
    std::size_t announced = block.count > 0 ? static_cast<std::size_t>(block.count) : 0;
    std::size_t available = (bytes.size() - 4) / 4;
    std::size_t present = announced < available ? announced : available;
    block.widths.reserve(present);
    for (std::size_t i = 0; i < present; ++i) block.widths.push_back(ReadInt32(bytes, 4 + 4 * i));
    block.complete = present == announced;
    return block;
}

std::vector<int32_t> WidthsToApply(const std::vector<unsigned char>& bytes, int headerItemCount) {
    ColumnStateBlock block = ParseColumnState(bytes);
    if (!block.hasCount || block.count != headerItemCount) return {};
    return block.widths;
}

std::vector<unsigned char> EncodeColumnState(const std::vector<int32_t>& widths) {
    std::vector<unsigned char> bytes;
    bytes.reserve(4 + 4 * widths.size());
    AppendInt32(bytes, static_cast<int32_t>(widths.size()));
    for (int32_t w : widths) AppendInt32(bytes, w);
    return bytes;
}

std::string BytesToHex(const std::vector<unsigned char>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 0x0F]);
    }
    return hex;
}

bool HexToBytes(const std::string& hex, std::vector<unsigned char>& bytes) {
    if (hex.size() % 2 != 0) return false;
    std::vector<unsigned char> decoded;
    decoded.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = HexDigitValue(hex[i]);
        int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        decoded.push_back(static_cast<unsigned char>(high << 4 | low));
    }
    bytes.swap(decoded);
    return true;
}
