#include "marc/PersonalNames.h"

#include <cstring>

namespace {

struct Separator {
    const char* text;
    bool major;  // ends the names a role word after it may name
};

const Separator kSeparators[] = {
    {";", true},      {"\xEF\xBC\x9B", true}, {"/", true}, {"\xEF\xBC\x8C", false}, {"\xE3\x80\x81", false},
    {" and ", false},
};

struct RoleWord {
    const char* text;
    NameRole role;
};

// Longer words first, so that 主编 is not read as 编 after a leftover 主.
const RoleWord kTrailingWords[] = {
    {"\xE5\x8E\x9F\xE8\x91\x97", NameRole::Author},  // 原著
    {"\xE7\xBC\x96\xE8\x91\x97", NameRole::Author},  // 编著
    {"\xE4\xB8\xBB\xE7\xBC\x96", NameRole::Editor},  // 主编
    {"\xE8\x91\x97", NameRole::Author},              // 著
    {"\xE6\x92\xB0", NameRole::Author},              // 撰
    {"\xE7\xBB\xAD", NameRole::Author},              // 续 (continued by)
    {"\xE7\xBC\x96", NameRole::Editor},              // 编
    {"\xE8\xAF\x91", NameRole::Translator},          // 译
    {"\xE7\xAD\x89", NameRole::Author},              // 等 (and others): no role of its own
};

const RoleWord kLeadingWords[] = {
    {"translated by ", NameRole::Translator},
    {"edited by ", NameRole::Editor},
    {"by ", NameRole::Author},
};

const char* const kSuffixes[] = {"Jr.", "Sr.", "Jr", "Sr", "II", "III", "IV"};

struct Part {
    std::string text;
    bool major;  // a major separator follows
    bool hasRole = false;
    NameRole role = NameRole::Author;
};

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool StartsWithNoCase(const std::string& text, const char* start)
{
    const std::size_t n = std::strlen(start);
    if (text.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != start[i])
            return false;
    }
    return true;
}

bool EndsWith(const std::string& text, const char* tail)
{
    const std::size_t n = std::strlen(tail);
    return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

bool IsSuffix(const std::string& text)
{
    for (const char* suffix : kSuffixes)
        if (text == suffix)
            return true;
    return false;
}

// A comma at i separates two names when a Chinese name follows, or when names of several words stand on
// both sides ("Brian W. Kernighan, Dennis M. Ritchie"); otherwise it inverts a name ("Brooks, Frederick
// P.") or brings its suffix ("Jr.").
bool CommaSeparates(const std::string& statement, std::size_t start, std::size_t i)
{
    const std::size_t next = statement.find_first_not_of(' ', i + 1);
    if (next == std::string::npos)
        return false;
    if (static_cast<unsigned char>(statement[next]) >= 0xE0)
        return true;
    const std::string before = Trim(statement.substr(start, i - start));
    std::string after = statement.substr(next);
    after = Trim(after.substr(0, after.find_first_of(",;/")));
    return before.find(' ') != std::string::npos && after.find(' ') != std::string::npos &&
           !IsSuffix(after.substr(0, after.find(' ')));
}

std::vector<Part> SplitParts(const std::string& statement)
{
    std::vector<Part> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < statement.size();) {
        const Separator* found = nullptr;
        for (const Separator& separator : kSeparators)
            if (statement.compare(i, std::strlen(separator.text), separator.text) == 0)
                found = &separator;
        static const Separator kComma = {",", false};
        if (statement[i] == ',' && CommaSeparates(statement, start, i))
            found = &kComma;
        if (!found) {
            ++i;
            continue;
        }
        parts.push_back({statement.substr(start, i - start), found->major});
        i += std::strlen(found->text);
        start = i;
    }
    parts.push_back({statement.substr(start), true});
    return parts;
}

// Removes a leading bracketed nationality: (美), （美）, [英], 〔英〕.
std::string WithoutNationality(const std::string& name)
{
    static const char* const kPairs[][2] = {{"(", ")"},
                                            {"[", "]"},
                                            {"\xEF\xBC\x88", "\xEF\xBC\x89"},
                                            {"\xE3\x80\x94", "\xE3\x80\x95"},
                                            {"\xE3\x80\x90", "\xE3\x80\x91"}};
    for (const auto& pair : kPairs) {
        if (name.compare(0, std::strlen(pair[0]), pair[0]) != 0)
            continue;
        const std::size_t close = name.find(pair[1]);
        // A nationality is a word or two, not a whole bracketed name.
        if (close != std::string::npos && close <= 20 && close + std::strlen(pair[1]) < name.size())
            return Trim(name.substr(close + std::strlen(pair[1])));
    }
    return name;
}

void StripRoleWords(Part& part)
{
    std::string text = Trim(part.text);
    for (const RoleWord& word : kLeadingWords) {
        if (StartsWithNoCase(text, word.text)) {
            text = Trim(text.substr(std::strlen(word.text)));
            part.hasRole = true;
            part.role = word.role;
            break;
        }
    }
    text = WithoutNationality(text);
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const RoleWord& word : kTrailingWords) {
            if (EndsWith(text, word.text) && text.size() > std::strlen(word.text)) {
                text = Trim(text.substr(0, text.size() - std::strlen(word.text)));
                // 等 adds no role; the word before it may.
                if (std::strcmp(word.text, "\xE7\xAD\x89") != 0 && !part.hasRole) {
                    part.hasRole = true;
                    part.role = word.role;
                }
                stripped = true;
                break;
            }
        }
    }
    part.text = text;
}

bool IsLatinName(const std::string& name)
{
    for (unsigned char c : name)
        if (c >= 0x80 && c < 0xC0)
            continue;  // continuation bytes of accented letters
        else if (c >= 0xE0)
            return false;  // beyond U+07FF: Han, kana, hangul
    return !name.empty();
}

// Punctuation alone (",.", "-") names nobody: it would make an access point of marks.
bool HasNameCharacter(const std::string& text)
{
    for (unsigned char c : text)
        if (c >= 0x80 || (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'))
            return true;
    return false;
}

PersonalName NameOf(const Part& part)
{
    PersonalName person;
    person.role = part.role;
    std::string name = part.text;
    if (!IsLatinName(name)) {
        person.entry = name;
        return person;
    }
    // "Frederick P. Brooks, Jr.": the suffix after the last comma.
    const std::size_t comma = name.rfind(',');
    if (comma != std::string::npos) {
        const std::string after = Trim(name.substr(comma + 1));
        for (const char* suffix : kSuffixes) {
            if (after == suffix) {
                person.suffix = after;
                name = Trim(name.substr(0, comma));
                break;
            }
        }
    }
    const std::size_t inverted = name.find(',');
    if (inverted != std::string::npos) {
        person.entry = Trim(name.substr(0, inverted));
        person.rest = Trim(name.substr(inverted + 1));
        person.inverted = !person.rest.empty();
        return person;
    }
    const std::size_t space = name.rfind(' ');
    if (space == std::string::npos) {
        person.entry = name;
        return person;
    }
    person.entry = name.substr(space + 1);
    person.rest = Trim(name.substr(0, space));
    person.inverted = true;
    return person;
}

}

bool PersonalName::operator==(const PersonalName& other) const
{
    return entry == other.entry && rest == other.rest && suffix == other.suffix && inverted == other.inverted &&
           role == other.role;
}

std::vector<PersonalName> SplitPersonalNames(const std::string& statement)
{
    std::vector<Part> parts = SplitParts(statement);
    for (Part& part : parts)
        StripRoleWords(part);
    // A role word after several names names each of them, back to the last major separator.
    for (std::size_t i = parts.size(); i-- > 0;)
        if (!parts[i].hasRole && !parts[i].major && i + 1 < parts.size() && parts[i + 1].hasRole) {
            parts[i].hasRole = true;
            parts[i].role = parts[i + 1].role;
        }
    std::vector<PersonalName> names;
    for (const Part& part : parts)
        if (HasNameCharacter(part.text))
            names.push_back(NameOf(part));
    return names;
}
