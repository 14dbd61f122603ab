#pragma once
// Records as the tests write them, one line per field: "001 data" for a control field and
// "245 10$aTitle /$cAuthor." for a data field ('$' stands for the subfield mark).
#include <string>
#include <vector>

#include "marc/MarcRecord.h"

inline MarcField FieldFromLine(const std::string& line)
{
    MarcField field;
    field.tag = line.substr(0, 3);
    if (field.IsControl()) {
        field.data = line.substr(4);
        return field;
    }
    field.indicator1 = line[4];
    field.indicator2 = line[5];
    for (std::size_t at = line.find('$', 6); at != std::string::npos;) {
        std::size_t next = line.find('$', at + 1);
        const std::size_t length = next == std::string::npos ? next : next - at - 2;
        field.subfields.push_back({line[at + 1], line.substr(at + 2, length)});
        at = next;
    }
    return field;
}

inline MarcRecord RecordFromLines(const std::vector<std::string>& lines, const std::string& leader = "")
{
    MarcRecord record;
    record.leader = leader.empty() ? "00000nam a2200000   4500" : leader;
    for (const std::string& line : lines)
        record.fields.push_back(FieldFromLine(line));
    return record;
}

inline std::vector<std::string> LinesOf(const MarcRecord& record)
{
    std::vector<std::string> lines;
    for (const MarcField& field : record.fields) {
        std::string line = field.tag + " ";
        if (field.IsControl()) {
            line += field.data;
        } else {
            line += std::string{field.indicator1, field.indicator2};
            for (const MarcSubfield& subfield : field.subfields)
                line += std::string("$") + subfield.code + subfield.value;
        }
        lines.push_back(line);
    }
    return lines;
}
