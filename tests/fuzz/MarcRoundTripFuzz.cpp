// Column values of one or two rows make a record that writes, reads back within the ISO 2709 limits and
// maps to the same values: clean, without end punctuation, and when the record had to be cut, a prefix
// (or nothing, for a note dropped whole).
// Rebuilt from its columns in the other flavour it maps to them again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "marc/BookMarcRecord.h"
#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"

namespace {

bool FieldsFit(const MarcRecord& record)
{
    for (const MarcField& field : record.fields) {
        std::size_t length = field.IsControl() ? field.data.size() + 1 : 3;
        for (const MarcSubfield& subfield : field.subfields)
            length += 2 + subfield.value.size();
        if (length > kIso2709MaxField)
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const MarcFlavour flavour = input.ConsumeBool() ? MarcFlavour::Marc21 : MarcFlavour::Unimarc;
    std::vector<ResultFields> rows(input.ConsumeBool() ? 2 : 1);
    const std::string isbn = input.ConsumeRandomLengthString(32);
    for (ResultFields& row : rows)
        for (std::string& value : row)
            value = input.ConsumeRandomLengthString(size);
    const MarcTimestamp made{2024, 3, 9, 14, 5, 59};

    const std::string bytes = WriteIso2709(ComposeBookRecord(isbn, rows, nullptr, flavour, flavour, made));
    MarcRecord read;
    if (bytes.empty() || bytes.size() > kIso2709MaxRecord || !ReadIso2709(bytes, read) || !FieldsFit(read))
        __builtin_trap();
    const ResultFields values = MarcColumnValues(read, flavour);
    const bool cut = size > kIso2709MaxField - 1000;
    for (std::size_t s = 0; s < kSlotCount; ++s) {
        std::string expected;
        for (const ResultFields& row : rows)
            if (expected.empty())
                expected = MarcValue(row[s]);
        if (s == kTitle && expected.empty())
            expected = "[Untitled]";
        if (s == kAuthor)
            expected = CloseUpInitials(expected);
        // A cover address without a file name makes no link.
        if (s == kCoverUrl && values[s].empty())
            continue;
        const bool same = values[s] == expected;
        const bool prefix =
            values[s].size() <= expected.size() && expected.compare(0, values[s].size(), values[s]) == 0;
        if (!same && !(cut && prefix))
            __builtin_trap();
    }
    // Rebuilt in the other flavour, the record shows the same columns.
    const MarcFlavour other = flavour == MarcFlavour::Marc21 ? MarcFlavour::Unimarc : MarcFlavour::Marc21;
    if (!cut && MarcColumnValues(ComposeBookRecord(isbn, {}, &read, flavour, other, made), other) != values)
        __builtin_trap();
    return 0;
}
