#include "marc/MarcRecord.h"

#include <algorithm>

bool MarcField::IsControl() const
{
    return tag.size() == 3 && tag[0] == '0' && tag[1] == '0' && tag[2] >= '1' && tag[2] <= '9';
}

const MarcSubfield* MarcField::Subfield(char code) const
{
    for (const MarcSubfield& subfield : subfields)
        if (subfield.code == code)
            return &subfield;
    return nullptr;
}

std::vector<const MarcField*> MarcRecord::FieldsTagged(const std::string& tag) const
{
    std::vector<const MarcField*> tagged;
    for (const MarcField& field : fields)
        if (field.tag == tag)
            tagged.push_back(&field);
    return tagged;
}

MarcField* MarcRecord::FirstTagged(const std::string& tag)
{
    for (MarcField& field : fields)
        if (field.tag == tag)
            return &field;
    return nullptr;
}

MarcField& MarcRecord::InsertInTagOrder(MarcField field)
{
    auto after = std::find_if(fields.rbegin(), fields.rend(), [&](const MarcField& f) { return f.tag <= field.tag; });
    return *fields.insert(after.base(), std::move(field));
}

bool ParseMarcFlavour(const std::string& name, MarcFlavour& flavour)
{
    if (name == "marc21")
        flavour = MarcFlavour::Marc21;
    else if (name == "unimarc")
        flavour = MarcFlavour::Unimarc;
    else
        return false;
    return true;
}
