#include "marc/Iso2709.h"

#include <algorithm>
#include <cstdio>

#include "marc/MarcText.h"

namespace {

constexpr char kSubfieldMark = '\x1F';
constexpr char kFieldEnd = '\x1E';
constexpr char kRecordEnd = '\x1D';
constexpr std::size_t kLeaderSize = 24;
constexpr std::size_t kEntrySize = 12;  // tag, four digits of length, five of start

bool IsPrintable(char c)
{
    return c >= 0x20 && c < 0x7F;
}

bool IsAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool ValidTag(const std::string& tag)
{
    return tag.size() == 3 && std::all_of(tag.begin(), tag.end(), IsAlnum);
}

bool ValidCode(char code)
{
    return IsPrintable(code) && code != ' ';
}

bool HasControlByte(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

std::size_t FieldLength(const MarcField& field)
{
    if (field.IsControl())
        return field.data.size() + 1;
    std::size_t length = 3;  // indicators and the field end
    for (const MarcSubfield& subfield : field.subfields)
        length += 2 + subfield.value.size();
    return length;
}

std::size_t BaseAddress(const MarcRecord& record)
{
    return kLeaderSize + kEntrySize * record.fields.size() + 1;
}

std::size_t RecordLength(const MarcRecord& record)
{
    std::size_t length = BaseAddress(record) + 1;
    for (const MarcField& field : record.fields)
        length += FieldLength(field);
    return length;
}

std::vector<std::string*> Values(MarcField& field)
{
    std::vector<std::string*> values;
    if (field.IsControl())
        values.push_back(&field.data);
    for (MarcSubfield& subfield : field.subfields)
        values.push_back(&subfield.value);
    return values;
}

// Shortens the longest value by up to excess bytes at a character boundary; false when all are empty.
bool CutLongest(const std::vector<std::string*>& values, std::size_t excess)
{
    auto longest = std::max_element(values.begin(), values.end(),
                                    [](const std::string* a, const std::string* b) { return a->size() < b->size(); });
    if (longest == values.end() || (*longest)->empty())
        return false;
    std::string& value = **longest;
    value.resize(Utf8CutPoint(value, value.size() > excess ? value.size() - excess : 0));
    return true;
}

void CleanField(MarcField& field)
{
    if (field.IsControl()) {
        field.data = CleanMarcText(field.data);
        field.subfields.clear();
        return;
    }
    field.data.clear();
    if (!IsPrintable(field.indicator1))
        field.indicator1 = ' ';
    if (!IsPrintable(field.indicator2))
        field.indicator2 = ' ';
    auto& subfields = field.subfields;
    subfields.erase(
        std::remove_if(subfields.begin(), subfields.end(), [](const MarcSubfield& s) { return !ValidCode(s.code); }),
        subfields.end());
    for (MarcSubfield& subfield : subfields)
        subfield.value = CleanMarcText(subfield.value);
}

void FitField(MarcField& field)
{
    while (FieldLength(field) > kIso2709MaxField) {
        if (!CutLongest(Values(field), FieldLength(field) - kIso2709MaxField))
            field.subfields.pop_back();
    }
}

void FitRecord(MarcRecord& record)
{
    while (RecordLength(record) > kIso2709MaxRecord) {
        std::vector<std::string*> values;
        for (MarcField& field : record.fields)
            for (std::string* value : Values(field))
                values.push_back(value);
        if (!CutLongest(values, RecordLength(record) - kIso2709MaxRecord))
            record.fields.pop_back();
    }
}

void WriteNumber(std::string& text, std::size_t at, int digits, std::size_t number)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*zu", digits, number);
    text.replace(at, digits, buffer, digits);
}

bool Fits(const MarcRecord& record)
{
    if (record.leader.size() != kLeaderSize || !std::all_of(record.leader.begin(), record.leader.end(), IsPrintable))
        return false;
    for (const MarcField& field : record.fields) {
        if (!ValidTag(field.tag) || FieldLength(field) > kIso2709MaxField)
            return false;
        if (field.IsControl()) {
            if (HasControlByte(field.data))
                return false;
            continue;
        }
        if (!IsPrintable(field.indicator1) || !IsPrintable(field.indicator2))
            return false;
        for (const MarcSubfield& subfield : field.subfields)
            if (!ValidCode(subfield.code) || HasControlByte(subfield.value))
                return false;
    }
    return RecordLength(record) <= kIso2709MaxRecord;
}

bool ReadNumber(const std::string& bytes, std::size_t at, std::size_t digits, std::size_t& number)
{
    number = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9')
            return false;
        number = number * 10 + static_cast<std::size_t>(bytes[i] - '0');
    }
    return true;
}

// The field's content without its field end.
bool ReadField(const std::string& tag, const std::string& content, MarcField& field)
{
    field.tag = tag;
    if (content.find_first_of("\x1D\x1E") != std::string::npos)
        return false;
    if (field.IsControl()) {
        field.data = content;
        return true;
    }
    if (content.size() < 2)
        return false;
    field.indicator1 = content[0];
    field.indicator2 = content[1];
    std::size_t at = 2;
    while (at < content.size()) {
        std::size_t next = content.find(kSubfieldMark, at + 1);
        if (next == std::string::npos)
            next = content.size();
        if (content[at] != kSubfieldMark || next == at + 1)
            return false;
        field.subfields.push_back({content[at + 1], content.substr(at + 2, next - at - 2)});
        at = next;
    }
    return true;
}

}

void FitIso2709(MarcRecord& record)
{
    std::string& leader = record.leader;
    leader.resize(kLeaderSize, ' ');
    std::replace_if(
        leader.begin(), leader.end(), [](char c) { return !IsPrintable(c); }, ' ');
    leader.replace(10, 2, "22");
    leader.replace(20, 3, "450");
    auto& fields = record.fields;
    fields.erase(std::remove_if(fields.begin(), fields.end(), [](const MarcField& f) { return !ValidTag(f.tag); }),
                 fields.end());
    for (MarcField& field : fields) {
        CleanField(field);
        FitField(field);
    }
    FitRecord(record);
    WriteNumber(leader, 0, 5, RecordLength(record));
    WriteNumber(leader, 12, 5, BaseAddress(record));
}

std::string WriteIso2709(const MarcRecord& record)
{
    if (!Fits(record))
        return std::string();
    std::string leader = record.leader;
    WriteNumber(leader, 0, 5, RecordLength(record));
    WriteNumber(leader, 12, 5, BaseAddress(record));
    std::string directory, data;
    for (const MarcField& field : record.fields) {
        directory += field.tag;
        directory += std::string(9, '0');
        WriteNumber(directory, directory.size() - 9, 4, FieldLength(field));
        WriteNumber(directory, directory.size() - 5, 5, data.size());
        if (field.IsControl()) {
            data += field.data;
        } else {
            data += field.indicator1;
            data += field.indicator2;
            for (const MarcSubfield& subfield : field.subfields) {
                data += kSubfieldMark;
                data += subfield.code;
                data += subfield.value;
            }
        }
        data += kFieldEnd;
    }
    return leader + directory + kFieldEnd + data + kRecordEnd;
}

bool ReadIso2709(const std::string& bytes, MarcRecord& out)
{
    std::size_t length = 0, base = 0, lengthDigits = 0, startDigits = 0, extraDigits = 0;
    if (bytes.size() < kLeaderSize + 2 || !ReadNumber(bytes, 0, 5, length) || length != bytes.size() ||
        bytes.back() != kRecordEnd || bytes.compare(10, 2, "22") != 0 || !ReadNumber(bytes, 12, 5, base) ||
        !ReadNumber(bytes, 20, 1, lengthDigits) || !ReadNumber(bytes, 21, 1, startDigits) || lengthDigits == 0 ||
        startDigits == 0)
        return false;
    // Some catalogues leave the length of the implementation-defined part blank; it is then none.
    if (!ReadNumber(bytes, 22, 1, extraDigits))
        extraDigits = 0;
    const std::size_t entrySize = 3 + lengthDigits + startDigits + extraDigits;
    if (base <= kLeaderSize || base >= length || bytes[base - 1] != kFieldEnd ||
        (base - 1 - kLeaderSize) % entrySize != 0)
        return false;
    MarcRecord record;
    record.leader = bytes.substr(0, kLeaderSize);
    const std::size_t dataEnd = length - 1;
    for (std::size_t entry = kLeaderSize; entry < base - 1; entry += entrySize) {
        std::size_t fieldLength = 0, start = 0;
        const std::string tag = bytes.substr(entry, 3);
        if (HasControlByte(tag) || !ReadNumber(bytes, entry + 3, lengthDigits, fieldLength) ||
            !ReadNumber(bytes, entry + 3 + lengthDigits, startDigits, start) || fieldLength == 0 ||
            start > dataEnd - base || fieldLength > dataEnd - base - start ||
            bytes[base + start + fieldLength - 1] != kFieldEnd)
            return false;
        MarcField field;
        if (!ReadField(tag, bytes.substr(base + start, fieldLength - 1), field))
            return false;
        record.fields.push_back(std::move(field));
    }
    out = std::move(record);
    return true;
}
