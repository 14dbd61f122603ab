// Any record, read from ISO 2709 or decoded loosely from the bytes, maps to clean UTF-8 columns and fits
// into a record that writes and reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"
#include "marc/MarcXml.h"

namespace {

// Fields split at field ends: a tag, two indicators and subfields split at subfield marks.
MarcRecord LooseRecord(const std::string& bytes)
{
    MarcRecord record;
    record.leader = bytes.substr(0, 24);
    for (std::size_t at = record.leader.size(); at < bytes.size();) {
        std::size_t end = bytes.find('\x1e', at);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string chunk = bytes.substr(at, end - at);
        MarcField field;
        field.tag = chunk.substr(0, 3);
        if (field.IsControl()) {
            field.data = chunk.substr(3);
        } else if (chunk.size() >= 5) {
            field.indicator1 = chunk[3];
            field.indicator2 = chunk[4];
            for (std::size_t s = 5; s < chunk.size();) {
                std::size_t next = chunk.find('\x1f', s + 1);
                if (next == std::string::npos)
                    next = chunk.size();
                field.subfields.push_back({chunk[s], chunk.substr(s + 1, next - s - 1)});
                s = next + 1;
            }
        }
        record.fields.push_back(field);
        at = end + 1;
    }
    return record;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MarcRecord record;
    if (!ReadIso2709(bytes, record))
        record = LooseRecord(bytes);
    for (MarcFlavour flavour : {MarcFlavour::Marc21, MarcFlavour::Unimarc}) {
        for (const std::string& value : MarcColumnValues(record, flavour)) {
            // Clean UTF-8, never a cut character, and nothing left to strip.
            if (CleanMarcText(value) != value || StripIsbdPunctuation(value) != value)
                __builtin_trap();
        }
    }
    FitIso2709(record);
    const std::string written = WriteIso2709(record);
    MarcRecord read;
    if (written.empty() || written.size() > kIso2709MaxRecord || !ReadIso2709(written, read) ||
        read.fields.size() != record.fields.size() || MarcXmlRecord(record).empty())
        __builtin_trap();
    return 0;
}
