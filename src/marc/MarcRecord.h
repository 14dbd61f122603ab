#pragma once
#include <string>
#include <vector>

// UNIMARC includes its Chinese national form, CNMARC.
enum class MarcFlavour { Marc21, Unimarc };

// "marc21" or "unimarc", as settings and options name them; false for any other name.
bool ParseMarcFlavour(const std::string& name, MarcFlavour& flavour);

struct MarcSubfield {
    char code;
    std::string value;  // UTF-8
};

struct MarcField {
    std::string tag;   // three characters
    std::string data;  // a control field's whole value
    char indicator1 = ' ', indicator2 = ' ';
    std::vector<MarcSubfield> subfields;

    // Tags 001 to 009 hold data instead of indicators and subfields.
    bool IsControl() const;
    // The first subfield with the code, or null.
    const MarcSubfield* Subfield(char code) const;
};

// A bibliographic record: the leader and the fields in record order.
class MarcRecord {
public:
    std::string leader;  // 24 characters
    std::vector<MarcField> fields;

    // The fields with the tag, in record order.
    std::vector<const MarcField*> FieldsTagged(const std::string& tag) const;
    MarcField* FirstTagged(const std::string& tag);
    // Adds the field after the last field whose tag does not sort after its own.
    MarcField& InsertInTagOrder(MarcField field);
};
