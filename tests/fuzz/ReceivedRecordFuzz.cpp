// A record as a catalogue sends it, in any character set it may be read in: what is kept is valid UTF-8
// in every value, writes as ISO 2709 and reads back, and maps to columns.
#include <cstddef>
#include <cstdint>
#include <string>

#include "marc/IconvCodePages.h"
#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"
#include "marc/ReceivedRecord.h"

namespace {

const MarcCharset kCharsets[] = {MarcCharset::ByRecord, MarcCharset::Utf8,   MarcCharset::Marc8, MarcCharset::Iso5426,
                                 MarcCharset::Latin1,   MarcCharset::Gb2312, MarcCharset::Gbk,   MarcCharset::Gb18030};

void Check(const std::string& bytes, MarcFlavour flavour, MarcCharset charset)
{
    static const IconvCodePages codePages;
    MarcRecord kept;
    if (!DecodeReceivedRecord(bytes, flavour, charset, codePages, kept))
        return;
    for (const MarcField& field : kept.fields) {
        if (CleanMarcText(field.data) != field.data)
            __builtin_trap();
        for (const MarcSubfield& subfield : field.subfields)
            if (CleanMarcText(subfield.value) != subfield.value)
                __builtin_trap();
    }
    MarcRecord again;
    if (!ReadIso2709(WriteIso2709(kept), again))
        __builtin_trap();
    MarcColumnValues(kept, flavour);
}

}

// The first byte picks the flavour and the character set; the rest is the record, and also the text of
// a title in a record made around it, so that every converter meets every byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const MarcFlavour flavour = data[0] & 8 ? MarcFlavour::Unimarc : MarcFlavour::Marc21;
    const MarcCharset charset = kCharsets[data[0] & 7];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    Check(bytes, flavour, charset);
    std::string text;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            text += c;
    MarcRecord made;
    made.leader = "00000nam  2200000   4500";
    made.fields.push_back({"100", "", ' ', ' ', {{'a', text.substr(0, 40)}}});
    made.fields.push_back({"245", "", '1', '0', {{'a', text}}});
    Check(WriteIso2709(made), flavour, charset);
    return 0;
}
