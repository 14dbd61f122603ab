#pragma once
#include <array>
#include <string>

#include "marc/BookColumns.h"

struct FieldSlot {
    std::string label;  // the marker the source searches for
    std::string value;  // code page 936 text extracted after it
    std::string text;   // the value's UTF-8 form, from the same place of the page
};

// One source's result for one lookup; lives on that source's worker only.
class BookRecord {
public:
    BookRecord() = default;
    virtual ~BookRecord() = default;

    std::array<FieldSlot, kSlotCount> slots;
    std::string priceText;  // UTF-8: the price as the page writes it, currency and all
};
