#include "marc/MarcColumns.h"

#include <initializer_list>

#include "marc/MarcText.h"

namespace {

std::string SubfieldValue(const MarcField& field, char code)
{
    const MarcSubfield* subfield = field.Subfield(code);
    return subfield ? MarcValue(subfield->value) : std::string();
}

// The first non-empty subfield over the tags in order of preference, each tag's fields in record order.
std::string FirstValue(const MarcRecord& record, std::initializer_list<const char*> tags, char code)
{
    for (const char* tag : tags) {
        for (const MarcField* field : record.FieldsTagged(tag)) {
            std::string value = SubfieldValue(*field, code);
            if (!value.empty())
                return value;
        }
    }
    return std::string();
}

void Append(std::string& joined, const std::string& separator, const std::string& value)
{
    if (value.empty())
        return;
    if (!joined.empty())
        joined += separator;
    joined += value;
}

// Title and other title information of the first title field. Joined values are stripped again, so that a
// record built from the columns shows the same columns.
std::string TitleValue(const MarcRecord& record, const char* tag, char titleCode, char otherCode)
{
    std::vector<const MarcField*> titles = record.FieldsTagged(tag);
    if (titles.empty())
        return std::string();
    std::string title = SubfieldValue(*titles.front(), titleCode);
    Append(title, " : ", SubfieldValue(*titles.front(), otherCode));
    return StripIsbdPunctuation(title);
}

// Every name of the name fields, in record order.
std::string NameValues(const MarcRecord& record, std::initializer_list<const char*> tags)
{
    std::string names;
    for (const MarcField& field : record.fields)
        for (const char* tag : tags)
            if (field.tag == tag)
                Append(names, " ; ", SubfieldValue(field, 'a'));
    return StripIsbdPunctuation(names);
}

// The Chinese Library Classification when the record names it, else the first other scheme.
std::string Marc21ClassNumber(const MarcRecord& record)
{
    for (const MarcField* field : record.FieldsTagged("084")) {
        std::string value = SubfieldValue(*field, 'a');
        if (!value.empty() && SubfieldValue(*field, '2') == "clc")
            return value;
    }
    return FirstValue(record, {"084", "050", "082"}, 'a');
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string CoverValue(const MarcRecord& record)
{
    for (const MarcField* field : record.FieldsTagged("856")) {
        std::string value = SubfieldValue(*field, 'u');
        if (!value.empty() && IsCoverLink(*field))
            return value;
    }
    return std::string();
}

ResultFields Marc21Columns(const MarcRecord& record)
{
    ResultFields values;
    values[kClassNumber] = Marc21ClassNumber(record);
    values[kTitle] = TitleValue(record, "245", 'a', 'b');
    values[kAuthor] = FirstValue(record, {"245"}, 'c');
    if (values[kAuthor].empty())
        values[kAuthor] = NameValues(record, {"100", "700"});
    values[kPublisher] = FirstValue(record, {"264", "260"}, 'b');
    values[kPages] = FirstValue(record, {"300"}, 'a');
    values[kFormat] = FirstValue(record, {"300"}, 'c');
    values[kPubDate] = FirstValue(record, {"264", "260"}, 'c');
    values[kEdition] = FirstValue(record, {"250"}, 'a');
    values[kPrice] = FirstValue(record, {"020"}, 'c');
    values[kCoverUrl] = CoverValue(record);
    values[kIntro] = FirstValue(record, {"520"}, 'a');
    return values;
}

ResultFields UnimarcColumns(const MarcRecord& record)
{
    ResultFields values;
    values[kClassNumber] = FirstValue(record, {"690"}, 'a');
    values[kTitle] = TitleValue(record, "200", 'a', 'e');
    values[kAuthor] = FirstValue(record, {"200"}, 'f');
    if (values[kAuthor].empty())
        values[kAuthor] = NameValues(record, {"700", "701", "702"});
    values[kPublisher] = FirstValue(record, {"210"}, 'c');
    values[kPages] = FirstValue(record, {"215"}, 'a');
    values[kFormat] = FirstValue(record, {"215"}, 'd');
    values[kPubDate] = FirstValue(record, {"210"}, 'd');
    values[kEdition] = FirstValue(record, {"205"}, 'a');
    values[kPrice] = FirstValue(record, {"010"}, 'd');
    values[kCoverUrl] = CoverValue(record);
    values[kIntro] = FirstValue(record, {"330"}, 'a');
    return values;
}

}

ResultFields MarcColumnValues(const MarcRecord& record, MarcFlavour flavour)
{
    return flavour == MarcFlavour::Marc21 ? Marc21Columns(record) : UnimarcColumns(record);
}

bool IsCoverLink(const MarcField& field)
{
    for (char code : {'3', 'z'}) {
        const MarcSubfield* note = field.Subfield(code);
        const std::string text = note ? Lower(note->value) : std::string();
        if (text.find("cover") != std::string::npos || text.find("image") != std::string::npos)
            return true;
    }
    const MarcSubfield* address = field.Subfield('u');
    if (!address)
        return false;
    std::string path = Lower(address->value.substr(0, address->value.find_first_of("?#")));
    path = path.substr(0, path.find_last_not_of(' ') + 1);
    for (const char* type : {".jpg", ".jpeg", ".png", ".gif", ".webp", ".bmp", ".tif", ".tiff"}) {
        const std::string t(type);
        if (path.size() > t.size() && path.compare(path.size() - t.size(), t.size(), t) == 0)
            return true;
    }
    return false;
}
