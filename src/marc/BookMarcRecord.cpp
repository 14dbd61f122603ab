#include "marc/BookMarcRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "marc/IsbnCleaning.h"
#include "marc/IsbnHyphens.h"
#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"
#include "marc/PersonalNames.h"

namespace {

// A cataloguer's devised title: every record has a title field.
const char kDevisedTitle[] = "[Untitled]";

// A value as a record holds it: clean, without the spaces and ISBD marks at its ends, but with its full
// stop, which may close an abbreviation ("ed.", "Jr.").
std::string RecordValue(const std::string& value)
{
    std::string kept = CleanMarcText(value);
    kept.erase(0, kept.find_first_not_of(' ') == std::string::npos ? kept.size() : kept.find_first_not_of(' '));
    for (;;) {
        if (!kept.empty() && (kept.back() == ' ' || kept.back() == ',')) {
            kept.pop_back();
            continue;
        }
        bool mark = false;
        for (const char* end : {" /", " :", " ;", " ="})
            if (kept.size() >= 2 && kept.compare(kept.size() - 2, 2, end) == 0)
                mark = true;
        // Marks alone (",.") are no value: the columns show nothing, and a title must then be devised.
        if (!mark)
            return MarcValue(kept).empty() ? std::string() : kept;
        kept.resize(kept.size() - 2);
    }
}

ResultFields FirstValues(const std::vector<ResultFields>& sources)
{
    ResultFields first;
    for (std::size_t s = 0; s < kSlotCount; ++s)
        for (const ResultFields& source : sources)
            if (first[s].empty())
                first[s] = RecordValue(source[s]);
    return first;
}

std::string Digits(int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return std::string(buffer).substr(0, width);
}

std::string DateEntered(const MarcTimestamp& made)
{
    return Digits(made.year, 4) + Digits(made.month, 2) + Digits(made.day, 2);
}

std::string Timestamp(const MarcTimestamp& made)
{
    return DateEntered(made) + Digits(made.hour, 2) + Digits(made.minute, 2) + Digits(made.second, 2) + ".0";
}

std::string TrimSpaces(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Han ideographs (U+3400 to U+9FFF, U+F900 to U+FAFF, U+20000 to U+2FFFF) in clean UTF-8 text.
bool HasHan(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c == 0xE3 && next >= 0x90) || (c >= 0xE4 && c <= 0xE9) || (c == 0xEF && next >= 0xA4 && next <= 0xAB) ||
            (c == 0xF0 && next >= 0xA0 && next <= 0xAF))
            return true;
    }
    return false;
}

// A title in Han characters, or none, is taken for Chinese; others for undetermined.
std::string LanguageCode(const std::string& title)
{
    return title.empty() || HasHan(title) ? "chi" : "und";
}

// Articles of English, French, German, Spanish, Italian and Dutch, lower case, with what ends them. A
// language code limits a word that is also an ordinary word elsewhere ("die", "de") to its own language.
struct Article {
    const char* word;
    const char* language;  // null: any
};
const Article kArticles[] = {
    {"the ", nullptr},  {"a ", nullptr},   {"an ", nullptr},  {"l'", nullptr},   {"le ", nullptr},  {"la ", nullptr},
    {"les ", nullptr},  {"un ", nullptr},  {"une ", nullptr}, {"der ", nullptr}, {"das ", nullptr}, {"ein ", nullptr},
    {"eine ", nullptr}, {"el ", nullptr},  {"los ", nullptr}, {"las ", nullptr}, {"una ", nullptr}, {"il ", nullptr},
    {"lo ", nullptr},   {"gli ", nullptr}, {"uno ", nullptr}, {"un'", nullptr},  {"die ", "ger"},   {"unos ", "spa"},
    {"unas ", "spa"},   {"de ", "dut"},    {"het ", "dut"},   {"een ", "dut"},
};

// The characters a library's filing skips in a title subfield: leading quotes or brackets, and an initial
// article with the spaces, quotes and brackets after it, when a word follows.
char NonfilingCharacters(const std::string& title, const std::string& language)
{
    // Starts where the word is no article: the letter A, a place name.
    static const char* const kNoArticle[] = {"a to ", "a & ", "a is ", "las vegas"};
    std::size_t lead = title.find_first_not_of("\"'[(");
    if (lead == std::string::npos)
        return '0';
    std::string start = title.substr(lead, 10);
    for (char& c : start)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const char* word : kNoArticle)
        if (start.compare(0, std::string(word).size(), word) == 0)
            return '0';
    for (const Article& article : kArticles) {
        const std::string a(article.word);
        if (start.compare(0, a.size(), a) != 0 || (article.language && language != article.language))
            continue;
        std::size_t skip = title.find_first_not_of(" \"'[(", lead + a.size());
        return skip != std::string::npos && skip <= 9 ? static_cast<char>('0' + skip) : '0';
    }
    return '0';
}

std::string EndingWithPeriod(const std::string& text)
{
    return text.empty() || text.back() == '.' ? text : text + ".";
}

// The first part followed by the ISBD mark that introduces the second, when there is a second.
std::string Before(const std::string& first, const char* mark, const std::string& second)
{
    return first.empty() || second.empty() ? first : first + mark;
}

MarcField ControlField(const char* tag, const std::string& data)
{
    MarcField field;
    field.tag = tag;
    field.data = data;
    return field;
}

// A data field of the non-empty subfields.
MarcField DataField(const char* tag, char indicator1, char indicator2, std::vector<MarcSubfield> subfields)
{
    MarcField field;
    field.tag = tag;
    field.indicator1 = indicator1;
    field.indicator2 = indicator2;
    for (MarcSubfield& subfield : subfields)
        if (!subfield.value.empty())
            field.subfields.push_back(std::move(subfield));
    return field;
}

void AddField(MarcRecord& record, MarcField field)
{
    if (!field.subfields.empty())
        record.fields.push_back(std::move(field));
}

// The ISBN and the price. A valid ISBN is $a, hyphenated in UNIMARC (010) and without separators in MARC 21
// (020); an invalid one is $z. The price never goes with a cancelled $z: it has its own field then.
void AddIsbnFields(MarcRecord& record, MarcFlavour flavour, const std::string& isbn, const std::string& price)
{
    const bool marc21 = flavour == MarcFlavour::Marc21;
    const char* tag = marc21 ? "020" : "010";
    const char priceCode = marc21 ? 'c' : 'd';
    std::string valid;
    if (CleanIsbn(isbn, &valid)) {
        AddField(record, DataField(tag, ' ', ' ', {{'a', marc21 ? valid : HyphenateIsbn(valid)}, {priceCode, price}}));
        return;
    }
    // Standard numbers are recorded without separators, invalid ones too.
    std::string invalid;
    for (char c : isbn)
        if (c != '-' && c != ' ')
            invalid += c;
    AddField(record, DataField(tag, ' ', ' ', {{'z', invalid}}));
    AddField(record, DataField(tag, ' ', ' ', {{priceCode, price}}));
}

// A cover address names a file: something after the last "/" of its path other than "." or "..", which
// name a directory (and the column, losing a final ".", would show an address without a file).
bool NamesFile(const std::string& url)
{
    const std::string path = url.substr(0, url.find_first_of("?#"));
    const std::size_t scheme = path.find("://");
    const std::size_t hostEnd = path.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    if (hostEnd == std::string::npos)
        return false;
    const std::string file = path.substr(path.find_last_of('/') + 1);
    return !file.empty() && file != "." && file != "..";
}

MarcField CoverField(MarcFlavour flavour, const std::string& url)
{
    if (flavour == MarcFlavour::Unimarc)
        return DataField("856", '4', ' ', {{'u', url}, {'z', "cover image"}});
    return DataField("856", '4', '2', {{'3', "cover image"}, {'u', url}});
}

// What a received record codes that the columns cannot carry, kept through a rebuild in the other flavour.
struct CodedData {
    std::string language;   // MARC language code, or empty
    std::string country;    // ISO 3166 code, or empty
    char dateType = 0;      // MARC 21's code, or 0
    std::string year;       // the first date, when the columns have none
    std::string secondary;  // UNIMARC 200 $g: subsequent statements of responsibility, joined
};

// MARC 21 country codes and their ISO 3166 codes, for the countries most books here come from.
const char* const kCountries[][2] = {
    {"cc", "CN"}, {"ch", "TW"}, {"hk", "HK"}, {"xxu", "US"}, {"xxk", "GB"}, {"enk", "GB"}, {"fr", "FR"},  {"gw", "DE"},
    {"ja", "JP"}, {"ko", "KR"}, {"it", "IT"}, {"sp", "ES"},  {"ne", "NL"},  {"ru", "RU"},  {"xxc", "CA"}, {"at", "AU"},
};

// MARC 21's type of date against UNIMARC's: single, reprint, questionable, multiple, copyright, detailed.
const char kDateTypes[][2] = {{'s', 'd'}, {'r', 'e'}, {'q', 'f'}, {'m', 'g'}, {'t', 'h'}, {'e', 'j'}};

CodedData ReadCodedData(const MarcRecord& record, MarcFlavour flavour)
{
    CodedData coded;
    auto fields = [&](const char* tag) { return record.FieldsTagged(tag); };
    if (flavour == MarcFlavour::Marc21) {
        const auto fixed = fields("008");
        if (fixed.empty() || fixed.front()->data.size() < 38)
            return coded;
        const std::string& data = fixed.front()->data;
        coded.language = TrimSpaces(data.substr(35, 3));
        const std::string country = TrimSpaces(data.substr(15, 3));
        for (const auto& pair : kCountries)
            if (country == pair[0])
                coded.country = pair[1];
        coded.dateType = data[6];
        coded.year = data.substr(7, 4);
    } else {
        for (const MarcField* field : fields("101"))
            if (coded.language.empty() && field->Subfield('a'))
                coded.language = TrimSpaces(field->Subfield('a')->value.substr(0, 3));
        for (const MarcField* field : fields("102"))
            if (coded.country.empty() && field->Subfield('a'))
                coded.country = TrimSpaces(field->Subfield('a')->value.substr(0, 2));
        for (const MarcField* field : fields("100"))
            if (field->Subfield('a') && field->Subfield('a')->value.size() > 8)
                for (const auto& pair : kDateTypes)
                    if (field->Subfield('a')->value[8] == pair[1]) {
                        coded.dateType = pair[0];
                        coded.year = field->Subfield('a')->value.substr(9, 4);
                    }
        for (const MarcField* field : fields("200"))
            for (const MarcSubfield& subfield : field->subfields)
                if (subfield.code == 'g' && !MarcValue(subfield.value).empty())
                    coded.secondary += (coded.secondary.empty() ? "" : " ; ") + MarcValue(subfield.value);
    }
    for (char c : coded.language)
        if (c < 'a' || c > 'z')
            coded.language.clear();
    if (PublicationYear(coded.year) != coded.year)
        coded.year.clear();
    return coded;
}

std::string Marc21Country(const std::string& iso)
{
    for (const auto& pair : kCountries)
        if (iso == pair[1])
            return (std::string(pair[0]) + "   ").substr(0, 3);
    return "xx ";  // unknown
}

char UnimarcDateType(char marc21, bool hasYear)
{
    for (const auto& pair : kDateTypes)
        if (marc21 == pair[0])
            return pair[1];
    return hasYear ? 'd' : 'f';
}

// Books' fixed-length data; what the columns cannot tell carries the fill character (no attempt to code).
std::string Marc21FixedData(const MarcTimestamp& made, const std::string& year, const std::string& language,
                            const CodedData& coded)
{
    std::string data(40, '|');
    data.replace(0, 6, DateEntered(made).substr(2));
    const char type = coded.dateType && coded.dateType != '|' ? coded.dateType : 's';
    data.replace(6, 9, year.empty() ? "nuuuu    " : std::string(1, type) + year + "    ");
    data.replace(15, 3, Marc21Country(coded.country));
    data[23] = ' ';  // regular print
    data[32] = ' ';
    data.replace(35, 5, language + " d");  // not modified; catalogued by neither a national agency nor a cooperative
    return data;
}

// General processing data: date entered, publication date, target audience and government publication
// unknown, language of cataloguing, character set UTF-8, script of the title.
std::string ProcessingData(const MarcTimestamp& made, const ResultFields& values, char dateType = 0,
                           const std::string& knownYear = std::string())
{
    const std::string year = PublicationYear(values[kPubDate]).empty() ? knownYear : PublicationYear(values[kPubDate]);
    const char type = UnimarcDateType(dateType, !year.empty());
    return DateEntered(made) + (year.empty() ? "f        " : std::string(1, type) + year + "    ") +
           "u  u0chiy50      " + (values[kTitle].empty() || HasHan(values[kTitle]) ? "ea" : "ba");
}

MarcField UnimarcProcessingField(const MarcTimestamp& made, const ResultFields& values, char dateType = 0,
                                 const std::string& knownYear = std::string())
{
    return DataField("100", ' ', ' ', {{'a', ProcessingData(made, values, dateType, knownYear)}});
}

const char* Marc21Relator(NameRole role)
{
    return role == NameRole::Translator ? "translator" : role == NameRole::Editor ? "editor" : "";
}

const char* UnimarcRelator(NameRole role)
{
    return role == NameRole::Translator ? "730" : role == NameRole::Editor ? "340" : "070";
}

// 100 or 700: the name as "Surname, Forenames" or in direct order, each element closed as ISBD punctuates
// an access point.
MarcField Marc21NameField(const char* tag, const PersonalName& name)
{
    const std::string relator = Marc21Relator(name.role);
    std::string heading = name.inverted ? name.entry + ", " + name.rest : name.entry;
    std::vector<MarcSubfield> subfields;
    const bool more = !name.suffix.empty() || !relator.empty();
    subfields.push_back({'a', more ? heading + "," : EndingWithPeriod(heading)});
    if (!name.suffix.empty())
        subfields.push_back({'c', relator.empty() ? EndingWithPeriod(name.suffix) : name.suffix + ","});
    if (!relator.empty())
        subfields.push_back({'e', relator + "."});
    return DataField(tag, name.inverted ? '1' : '0', ' ', subfields);
}

// The first author is the main entry (100); everyone else is an added entry (700). True when there is a 100.
bool AddMarc21Names(MarcRecord& record, const std::vector<PersonalName>& names)
{
    bool main = false;
    for (const PersonalName& name : names) {
        const bool first = !main && name.role == NameRole::Author;
        AddField(record, Marc21NameField(first ? "100" : "700", name));
        main = main || first;
    }
    // 100 sorts before the 245 that follows; the 700s go in tag order at the end.
    return main;
}

std::vector<PersonalName> NamesOf(const ResultFields& values)
{
    return SplitPersonalNames(values[kAuthor]);
}

bool NamesTranslator(const std::vector<PersonalName>& names)
{
    for (const PersonalName& name : names)
        if (name.role == NameRole::Translator)
            return true;
    return false;
}

// 700 for one main author, 701 for each of several; 702 for translators and editors; the relator in $4.
void AddUnimarcNames(MarcRecord& record, const std::vector<PersonalName>& names)
{
    std::size_t authors = 0;
    for (const PersonalName& name : names)
        authors += name.role == NameRole::Author ? 1 : 0;
    for (const PersonalName& name : names) {
        const char* tag = name.role != NameRole::Author ? "702" : authors == 1 ? "700" : "701";
        AddField(
            record,
            DataField(tag, ' ', name.inverted ? '1' : '0',
                      {{'a', name.entry}, {'b', name.rest}, {'c', name.suffix}, {'4', UnimarcRelator(name.role)}}));
    }
}

// The fields in tag order, access points among them; a stable sort keeps each tag's own order.
void SortByTag(MarcRecord& record)
{
    std::stable_sort(record.fields.begin(), record.fields.end(),
                     [](const MarcField& a, const MarcField& b) { return a.tag < b.tag; });
}

MarcRecord Marc21Record(const std::string& isbn, const ResultFields& v, const MarcTimestamp& made,
                        const CodedData& coded)
{
    MarcRecord record;
    // Minimal level (17), ISBD punctuation (18).
    record.leader = "00000nam a22000007i 4500";
    const std::string title = v[kTitle].empty() ? kDevisedTitle : v[kTitle];
    const std::string language = coded.language.empty() ? LanguageCode(v[kTitle]) : coded.language;
    if (!isbn.empty())
        record.fields.push_back(ControlField("001", isbn));
    record.fields.push_back(ControlField("005", Timestamp(made)));
    const std::string year = PublicationYear(v[kPubDate]).empty() ? coded.year : PublicationYear(v[kPubDate]);
    record.fields.push_back(ControlField("008", Marc21FixedData(made, year, language, coded)));
    AddIsbnFields(record, MarcFlavour::Marc21, isbn, v[kPrice]);
    if (!v[kClassNumber].empty())
        AddField(record, DataField("084", ' ', ' ', {{'a', v[kClassNumber]}, {'2', "clc"}}));
    const bool main = AddMarc21Names(record, NamesOf(v));
    std::string statement = v[kAuthor];
    if (!coded.secondary.empty())
        statement += (statement.empty() ? "" : " ; ") + coded.secondary;
    const std::string titleProper = statement.empty() ? EndingWithPeriod(title) : title + " /";
    AddField(record, DataField("245", main ? '1' : '0', NonfilingCharacters(titleProper, language),
                               {{'a', titleProper}, {'c', EndingWithPeriod(statement)}}));
    AddField(record, DataField("250", ' ', ' ', {{'a', v[kEdition]}}));
    AddField(record, DataField("264", ' ', '1', {{'b', Before(v[kPublisher], ",", v[kPubDate])}, {'c', v[kPubDate]}}));
    AddField(record, DataField("300", ' ', ' ', {{'a', Before(v[kPages], " ;", v[kFormat])}, {'c', v[kFormat]}}));
    AddField(record, DataField("520", ' ', ' ', {{'a', v[kIntro]}}));
    if (NamesFile(v[kCoverUrl]))
        record.fields.push_back(CoverField(MarcFlavour::Marc21, v[kCoverUrl]));
    SortByTag(record);
    return record;
}

// CNMARC generates the ISBD punctuation from the subfield codes: no subfield ends in it.
MarcRecord UnimarcRecord(const std::string& isbn, const ResultFields& v, const MarcTimestamp& made,
                         const CodedData& coded)
{
    MarcRecord record;
    // Encoding level 3 (sub-level 3): UNIMARC's nearest to a minimal record.
    record.leader = "00000nam0 22000003  450 ";
    const std::string title = v[kTitle].empty() ? kDevisedTitle : v[kTitle];
    const std::vector<PersonalName> names = NamesOf(v);
    if (!isbn.empty())
        record.fields.push_back(ControlField("001", isbn));
    record.fields.push_back(ControlField("005", Timestamp(made)));
    AddIsbnFields(record, MarcFlavour::Unimarc, isbn, v[kPrice]);
    record.fields.push_back(UnimarcProcessingField(made, v, coded.dateType, coded.year));
    record.fields.push_back(DataField("101", NamesTranslator(names) ? '1' : '0', ' ',
                                      {{'a', coded.language.empty() ? LanguageCode(v[kTitle]) : coded.language}}));
    AddField(record, DataField("102", ' ', ' ', {{'a', coded.country}}));
    AddField(record, DataField("200", '1', ' ', {{'a', title}, {'f', v[kAuthor]}, {'g', coded.secondary}}));
    AddField(record, DataField("205", ' ', ' ', {{'a', v[kEdition]}}));
    AddField(record, DataField("210", ' ', ' ', {{'c', v[kPublisher]}, {'d', v[kPubDate]}}));
    AddField(record, DataField("215", ' ', ' ', {{'a', v[kPages]}, {'d', v[kFormat]}}));
    AddField(record, DataField("330", ' ', ' ', {{'a', v[kIntro]}}));
    AddField(record, DataField("690", ' ', ' ', {{'a', v[kClassNumber]}}));
    AddUnimarcNames(record, names);
    if (NamesFile(v[kCoverUrl]))
        record.fields.push_back(CoverField(MarcFlavour::Unimarc, v[kCoverUrl]));
    SortByTag(record);
    return record;
}

// The price goes on the first ISBN field with a valid ISBN, else into a field of its own.
void AddPrice(MarcRecord& record, MarcFlavour flavour, const std::string& price)
{
    const bool marc21 = flavour == MarcFlavour::Marc21;
    for (MarcField& field : record.fields) {
        if (field.tag == (marc21 ? "020" : "010") && field.Subfield('a')) {
            field.subfields.push_back({marc21 ? 'c' : 'd', price});
            return;
        }
    }
    record.InsertInTagOrder(DataField(marc21 ? "020" : "010", ' ', ' ', {{marc21 ? 'c' : 'd', price}}));
}

// We write UTF-8, whatever the catalogue's own record said.
void MarkUtf8(MarcRecord& record, MarcFlavour flavour, const MarcTimestamp& made, const ResultFields& values)
{
    if (flavour == MarcFlavour::Marc21) {
        record.leader.resize(24, ' ');
        record.leader[9] = 'a';
        return;
    }
    MarcField* processing = record.FirstTagged("100");
    if (!processing) {
        record.InsertInTagOrder(UnimarcProcessingField(made, values));
        return;
    }
    for (MarcSubfield& subfield : processing->subfields) {
        if (subfield.code == 'a') {
            subfield.value.resize(36, ' ');
            subfield.value.replace(26, 4, "50  ");
            return;
        }
    }
    processing->subfields.insert(processing->subfields.begin(), {'a', ProcessingData(made, values)});
}

bool SameRecord(const MarcRecord& a, const MarcRecord& b)
{
    if (a.leader != b.leader || a.fields.size() != b.fields.size())
        return false;
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        const MarcField &x = a.fields[i], &y = b.fields[i];
        if (x.tag != y.tag || x.data != y.data || x.indicator1 != y.indicator1 || x.indicator2 != y.indicator2 ||
            x.subfields.size() != y.subfields.size())
            return false;
        for (std::size_t k = 0; k < x.subfields.size(); ++k)
            if (x.subfields[k].code != y.subfields[k].code || x.subfields[k].value != y.subfields[k].value)
                return false;
    }
    return true;
}

MarcRecord CompletedReceived(const MarcRecord& received, MarcFlavour flavour, const ResultFields& rowValues,
                             const MarcTimestamp& made)
{
    MarcRecord record = received;
    const ResultFields own = MarcColumnValues(record, flavour);
    if (own[kPrice].empty() && !rowValues[kPrice].empty())
        AddPrice(record, flavour, rowValues[kPrice]);
    if (own[kCoverUrl].empty() && NamesFile(rowValues[kCoverUrl]))
        record.InsertInTagOrder(CoverField(flavour, rowValues[kCoverUrl]));
    MarkUtf8(record, flavour, made, own);
    // A record we changed says when.
    if (!SameRecord(record, received)) {
        MarcField* latest = record.FirstTagged("005");
        if (latest)
            latest->data = Timestamp(made);
        else
            record.InsertInTagOrder(ControlField("005", Timestamp(made)));
    }
    return record;
}

// Bytes of the record as ISO 2709 writes it, each field at most its limit.
std::size_t EstimatedLength(const MarcRecord& record)
{
    std::size_t length = 24 + 1 + 1;  // leader, directory end, record end
    for (const MarcField& field : record.fields) {
        std::size_t bytes = field.IsControl() ? field.data.size() + 1 : 3;
        for (const MarcSubfield& subfield : field.subfields)
            bytes += 2 + subfield.value.size();
        length += 12 + std::min(bytes, kIso2709MaxField);
    }
    return length;
}

// An oversize record loses whole notes from the end (MARC 21 5XX, UNIMARC 3XX) before any value is cut.
void DropNotesToFit(MarcRecord& record, MarcFlavour flavour)
{
    const char notes = flavour == MarcFlavour::Marc21 ? '5' : '3';
    for (std::size_t i = record.fields.size(); i-- > 0 && EstimatedLength(record) > kIso2709MaxRecord;)
        if (record.fields[i].tag[0] == notes)
            record.fields.erase(record.fields.begin() + static_cast<std::ptrdiff_t>(i));
}

}

std::string PublicationYear(const std::string& date)
{
    for (std::size_t i = 0; i < date.size();) {
        std::size_t end = i;
        while (end < date.size() && IsDigit(date[end]))
            ++end;
        // 2008, 200805 or 20080501.
        const bool dated = (end - i == 6 || end - i == 8) && (date[i] == '1' || date[i] == '2') &&
                           date.compare(i + 4, 2, "00") > 0 && date.compare(i + 4, 2, "12") <= 0;
        if (end - i == 4 || dated)
            return date.substr(i, 4);
        i = end > i ? end : i + 1;
    }
    return std::string();
}

MarcRecord ComposeBookRecord(const std::string& isbn, const std::vector<ResultFields>& rows, const MarcRecord* received,
                             MarcFlavour receivedFlavour, MarcFlavour wanted, const MarcTimestamp& made)
{
    MarcRecord record;
    if (received && receivedFlavour == wanted) {
        record = CompletedReceived(*received, wanted, FirstValues(rows), made);
    } else {
        std::vector<ResultFields> sources;
        CodedData coded;
        if (received) {
            sources.push_back(MarcColumnValues(*received, receivedFlavour));
            coded = ReadCodedData(*received, receivedFlavour);
        }
        sources.insert(sources.end(), rows.begin(), rows.end());
        ResultFields values = FirstValues(sources);
        values[kAuthor] = CloseUpInitials(values[kAuthor]);
        const std::string given = TrimSpaces(CleanMarcText(isbn));
        record = wanted == MarcFlavour::Marc21 ? Marc21Record(given, values, made, coded)
                                               : UnimarcRecord(given, values, made, coded);
    }
    DropNotesToFit(record, wanted);
    FitIso2709(record);
    return record;
}
