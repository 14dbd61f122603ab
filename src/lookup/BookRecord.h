#pragma once
#include <array>
#include <cstddef>
#include <string>

// Slot order of a record; columns 1..10 of a result row are slots 0..9.
enum Slot : std::size_t {
    kClassNumber,
    kTitle,
    kAuthor,
    kPublisher,
    kPages,
    kFormat,
    kPubDate,
    kEdition,
    kPrice,
    kCoverUrl,
    kIntro,
    kSlotCount
};

struct FieldSlot {
    std::string label;  // the marker the source searches for
    std::string value;  // code page 936 text extracted after it
};

// One source's result for one lookup; lives on that source's worker only.
class BookRecord {
public:
    BookRecord() = default;
    virtual ~BookRecord() = default;

    std::array<FieldSlot, kSlotCount> slots;
};

using ResultFields = std::array<std::string, kSlotCount>;
