#pragma once
#include <cstddef>
#include <string>
#include <vector>

// What a shelf file holds: its whole ISO 2709 records, one after another, and perhaps the torn start of one
// more that a crash or a power loss cut off.
struct ShelfScan {
    std::size_t records = 0;
    std::size_t wholeBytes = 0;  // the length of the whole records; a torn tail starts here
    // Bytes after the whole records that cannot be a torn tail (they hold a record end): something other than
    // this program wrote them, and nothing may be cut.
    bool damaged = false;
    std::vector<std::string> keys;  // ShelfKey of every ISBN the records carry

    bool Torn(std::size_t fileSize) const { return !damaged && wholeBytes < fileSize; }
};

ShelfScan ScanShelf(const std::string& bytes);

// The length of the whole record at offset at, or 0 when none starts there.
std::size_t ShelfRecordLength(const std::string& bytes, std::size_t at);

// An ISBN as the shelf compares them: without a qualifier, spaces and hyphens, a final x upper-cased.
std::string ShelfKey(const std::string& isbn);

// The ISBNs of one whole record: 001 and the $a and $z of 020 (MARC 21) and 010 (UNIMARC).
std::vector<std::string> RecordIsbns(const char* record, std::size_t length);
