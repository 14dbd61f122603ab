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

// A book's eleven values in slot order.
using ResultFields = std::array<std::string, kSlotCount>;
