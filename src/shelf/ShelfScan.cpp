#include "shelf/ShelfScan.h"

#include <cstring>

namespace {

constexpr char kSubfieldMark = '\x1F';
constexpr char kFieldEnd = '\x1E';
constexpr char kRecordEnd = '\x1D';
constexpr std::size_t kLeaderSize = 24;
constexpr std::size_t kEntrySize = 12;

// The number in digits [at, at + count), or -1 when one of them is no digit.
long Digits(const char* text, std::size_t count)
{
    long value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The length of the whole record at the start of rest, or 0 when none starts there.
std::size_t WholeRecordLength(const char* rest, std::size_t available)
{
    if (available < kLeaderSize + 1)
        return 0;
    const long length = Digits(rest, 5);
    if (length < static_cast<long>(kLeaderSize + 1) || static_cast<std::size_t>(length) > available)
        return 0;
    return rest[length - 1] == kRecordEnd ? static_cast<std::size_t>(length) : 0;
}

void AddSubfields(const char* field, std::size_t length, std::vector<std::string>& isbns)
{
    for (std::size_t i = 0; i + 1 < length; ++i) {
        if (field[i] != kSubfieldMark || (field[i + 1] != 'a' && field[i + 1] != 'z'))
            continue;
        std::size_t end = i + 2;
        while (end < length && field[end] != kSubfieldMark && field[end] != kFieldEnd)
            ++end;
        isbns.emplace_back(field + i + 2, end - i - 2);
        i = end - 1;
    }
}

}

std::vector<std::string> RecordIsbns(const char* record, std::size_t length)
{
    std::vector<std::string> isbns;
    const long base = length >= kLeaderSize ? Digits(record + 12, 5) : -1;
    if (base < static_cast<long>(kLeaderSize) || static_cast<std::size_t>(base) > length)
        return isbns;
    for (std::size_t entry = kLeaderSize; entry + kEntrySize <= static_cast<std::size_t>(base); entry += kEntrySize) {
        const char* tag = record + entry;
        const long fieldLength = Digits(tag + 3, 4), start = Digits(tag + 7, 5);
        if (fieldLength < 1 || start < 0 || base + start + fieldLength > static_cast<long>(length))
            continue;
        const char* field = record + base + start;
        if (std::memcmp(tag, "001", 3) == 0)
            isbns.emplace_back(field, fieldLength - 1);
        else if (std::memcmp(tag, "020", 3) == 0 || std::memcmp(tag, "010", 3) == 0)
            AddSubfields(field, fieldLength, isbns);
    }
    return isbns;
}

std::string ShelfKey(const std::string& isbn)
{
    std::string key;
    for (char c : isbn.substr(0, isbn.find('(')))  // a qualifier such as "(pbk.)" is no part of it
        if (c != ' ' && c != '-')
            key += c == 'x' ? 'X' : c;
    return key;
}

std::size_t ShelfRecordLength(const std::string& bytes, std::size_t at)
{
    return at < bytes.size() ? WholeRecordLength(bytes.data() + at, bytes.size() - at) : 0;
}

ShelfScan ScanShelf(const std::string& bytes)
{
    ShelfScan scan;
    const char* data = bytes.data();
    while (std::size_t length = WholeRecordLength(data + scan.wholeBytes, bytes.size() - scan.wholeBytes)) {
        for (const std::string& isbn : RecordIsbns(data + scan.wholeBytes, length))
            if (!isbn.empty())
                scan.keys.push_back(ShelfKey(isbn));
        scan.wholeBytes += length;
        ++scan.records;
    }
    // A record ends with the only record end it holds: bytes that hold one are no torn record.
    scan.damaged = bytes.find(kRecordEnd, scan.wholeBytes) != std::string::npos;
    return scan;
}
