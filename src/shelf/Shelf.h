#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_set>

#include "shelf/ShelfStorage.h"

// The cataloguer's shelf: a file of ISO 2709 records that never loses one. A record is appended whole and
// flushed before Add reports it added; a tail torn by a crash is cut off at Open and kept aside; a book whose
// ISBN is on the shelf already is not added again.
class Shelf {
public:
    enum class Opened {
        Clean,
        Recovered,  // a torn tail was cut off and kept as PATH.torn
        Damaged,    // bytes that are no records follow the records: the shelf stays closed, untouched
        Refused,    // the file could not be opened; see Fault()
    };
    enum class Added { Added, Duplicate, Refused };

    explicit Shelf(std::unique_ptr<ShelfStorage> storage);

    Opened Open();
    bool IsOpen() const { return open; }
    // Refused when the shelf is not open or the record could not be written whole; the file is then as it
    // was, or, should even the cut fail, has a torn tail that the next Open recovers.
    Added Add(const std::string& isbn, const std::string& record);
    // Moves the shelf aside to PATH.bak and starts an empty one.
    bool Clear();
    // The whole records, for saving them elsewhere.
    bool Contents(std::string& records);

    std::size_t Count() const { return count; }
    std::size_t TornBytes() const { return tornBytes; }
    // Why the last operation failed.
    ShelfFault Fault() const { return fault; }

private:
    void Forget();
    bool Failed(ShelfFault why);

    std::unique_ptr<ShelfStorage> storage;
    bool open = false;
    std::size_t count = 0;
    std::size_t size = 0;
    std::size_t tornBytes = 0;
    std::unordered_set<std::string> keys;
    ShelfFault fault = ShelfFault::None;
};
