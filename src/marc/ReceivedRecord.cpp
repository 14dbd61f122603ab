#include "marc/ReceivedRecord.h"

#include <yaz/yaz-iconv.h>

#include "marc/Iso2709.h"

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// Converts with one of YAZ's own converters. An unconvertible byte becomes
// U+FFFD and the rest goes on; *clean tells whether there was none.
std::string YazToUtf8(const char* from, const std::string& bytes, bool* clean)
{
    *clean = true;
    yaz_iconv_t cd = yaz_iconv_open("UTF-8", from);
    if (!cd) {
        *clean = false;
        return kReplacement;
    }
    std::string out;
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    for (bool flushing = false;;) {
        char* to = buffer;
        std::size_t toLeft = sizeof buffer;
        std::size_t done =
            flushing ? yaz_iconv(cd, nullptr, nullptr, &to, &toLeft) : yaz_iconv(cd, &in, &inLeft, &to, &toLeft);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done != static_cast<std::size_t>(-1)) {
            if (flushing)
                break;
            flushing = true;
            continue;
        }
        int error = yaz_iconv_error(cd);
        if (error == YAZ_ICONV_E2BIG)
            continue;
        *clean = false;
        out += kReplacement;
        if (flushing || error != YAZ_ICONV_EILSEQ || inLeft == 0)
            break;  // an incomplete sequence at the end: nothing follows it
        ++in;
        --inLeft;
    }
    yaz_iconv_close(cd);
    return out;
}

// The length of the GB18030 (or GBK) character starting at `at`: four bytes
// when the second is a digit, two after any lead byte, else one.
std::size_t GbCharLength(const std::string& bytes, std::size_t at, bool fourByte)
{
    unsigned char lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x81 || lead == 0xFF || at + 1 >= bytes.size())
        return 1;
    unsigned char second = static_cast<unsigned char>(bytes[at + 1]);
    if (fourByte && second >= '0' && second <= '9' && at + 3 < bytes.size())
        return 4;
    return 2;
}

std::string GbToUtf8(unsigned codePage, const std::string& bytes, const CodePageDecoder& codePages)
{
    std::string out;
    if (codePages.ToUtf8(codePage, bytes, out))
        return out;
    // Character by character, so one bad one costs only itself.
    out.clear();
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t length = GbCharLength(bytes, at, codePage == CodePageDecoder::kGb18030);
        std::string piece = bytes.substr(at, length), utf8;
        if (static_cast<unsigned char>(piece[0]) < 0x80)
            out += piece;
        else
            out += codePages.ToUtf8(codePage, piece, utf8) && !utf8.empty() ? utf8 : kReplacement;
        at += length;
    }
    return out;
}

std::string ToUtf8(MarcCharset charset, const std::string& bytes, const CodePageDecoder& codePages)
{
    bool clean = true;
    switch (charset) {
    case MarcCharset::Marc8:
        return YazToUtf8("marc8", bytes, &clean);
    case MarcCharset::Iso5426:
        return YazToUtf8("iso5426", bytes, &clean);
    case MarcCharset::Latin1:
        return YazToUtf8("iso-8859-1", bytes, &clean);
    case MarcCharset::Gb2312:
    case MarcCharset::Gbk:
        return GbToUtf8(CodePageDecoder::kGbk, bytes, codePages);
    case MarcCharset::Gb18030:
        return GbToUtf8(CodePageDecoder::kGb18030, bytes, codePages);
    default:
        return YazToUtf8("utf-8", bytes, &clean);
    }
}

bool IsUtf8(const std::string& bytes)
{
    bool clean = true;
    YazToUtf8("utf-8", bytes, &clean);
    return clean;
}

// Every value of the record, in record order.
template <typename Record, typename Visit>
void ForEachValue(Record& record, Visit visit)
{
    for (auto& field : record.fields) {
        if (field.IsControl())
            visit(field.data);
        for (auto& subfield : field.subfields)
            visit(subfield.value);
    }
}

bool AllUtf8(const MarcRecord& record)
{
    bool all = true;
    ForEachValue(record, [&](const std::string& value) { all = all && IsUtf8(value); });
    return all;
}

// 100 $a of a UNIMARC record (the first), or null.
template <typename Record>
auto CodedData(Record& record) -> decltype(&record.fields.front().subfields.front().value)
{
    for (auto& field : record.fields) {
        if (field.tag != "100" || field.IsControl())
            continue;
        for (auto& subfield : field.subfields)
            if (subfield.code == 'a')
                return &subfield.value;
        return nullptr;
    }
    return nullptr;
}

void MarkUtf8(MarcRecord& record, MarcFlavour flavour)
{
    if (flavour == MarcFlavour::Marc21) {
        record.leader.resize(24, ' ');
        record.leader[9] = 'a';
        return;
    }
    std::string* coded = CodedData(record);
    if (!coded)
        return;
    if (coded->size() < 30)
        coded->resize(30, ' ');
    coded->replace(26, 4, "50  ");
}

}

MarcCharset ReceivedCharset(const MarcRecord& raw, MarcFlavour flavour, MarcCharset charset)
{
    if (charset != MarcCharset::ByRecord)
        return charset;
    bool markedUtf8 = false;
    if (flavour == MarcFlavour::Marc21) {
        markedUtf8 = raw.leader.size() > 9 && raw.leader[9] == 'a';
    } else {
        const std::string* coded = CodedData(raw);
        markedUtf8 = coded && coded->size() >= 28 && coded->compare(26, 2, "50") == 0;
    }
    MarcCharset older = flavour == MarcFlavour::Marc21 ? MarcCharset::Marc8 : MarcCharset::Iso5426;
    return markedUtf8 && AllUtf8(raw) ? MarcCharset::Utf8 : older;
}

bool DecodeReceivedRecord(const std::string& bytes, MarcFlavour flavour, MarcCharset charset,
                          const CodePageDecoder& codePages, MarcRecord& record)
{
    MarcRecord raw;
    if (!ReadIso2709(bytes, raw))
        return false;
    MarcCharset from = ReceivedCharset(raw, flavour, charset);
    ForEachValue(raw, [&](std::string& value) { value = ToUtf8(from, value, codePages); });
    MarkUtf8(raw, flavour);
    FitIso2709(raw);
    record = std::move(raw);
    return true;
}
