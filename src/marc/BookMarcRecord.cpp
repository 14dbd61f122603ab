#include "marc/BookMarcRecord.h"

#include <cstdio>

#include "marc/IsbnCleaning.h"
#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"

namespace {

// A cataloguer's devised title: every record has a title field.
const char kDevisedTitle[] = "[Untitled]";

ResultFields FirstValues(const std::vector<ResultFields>& sources)
{
    ResultFields first;
    for (std::size_t s = 0; s < kSlotCount; ++s)
        for (const ResultFields& source : sources)
            if (first[s].empty())
                first[s] = MarcValue(source[s]);
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

// The first run of exactly four digits in the date column, or "".
std::string PublicationYear(const std::string& date)
{
    for (std::size_t i = 0; i < date.size();) {
        std::size_t end = i;
        while (end < date.size() && IsDigit(date[end]))
            ++end;
        if (end - i == 4)
            return date.substr(i, 4);
        i = end > i ? end : i + 1;
    }
    return std::string();
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

// The characters a library's filing skips in a title subfield: leading quotes or brackets, and an initial
// article with the spaces, quotes and brackets after it, when a word follows.
char NonfilingCharacters(const std::string& title)
{
    static const char* const kArticles[] = {"the ", "a ",   "an ",  "l'",  "le ",  "la ",  "les ", "el ",  "las ",
                                            "un ",  "une ", "una ", "il ", "der ", "das ", "ein ", "eine "};
    // Starts where the word is no article: the letter A, a place name.
    static const char* const kNoArticle[] = {"a to ", "a & ", "a is ", "las vegas"};
    std::size_t lead = title.find_first_not_of("\"'[(");
    if (lead == std::string::npos)
        return '0';
    std::string start = title.substr(lead, 9);
    for (char& c : start)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const char* word : kNoArticle)
        if (start.compare(0, std::string(word).size(), word) == 0)
            return '0';
    for (const char* article : kArticles) {
        const std::string a(article);
        if (start.compare(0, a.size(), a) != 0)
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

MarcField IsbnField(MarcFlavour flavour, const std::string& isbn, const std::string& price)
{
    const bool marc21 = flavour == MarcFlavour::Marc21;
    std::string valid;
    if (CleanIsbn(isbn, &valid))
        return DataField(marc21 ? "020" : "010", ' ', ' ', {{'a', valid}, {marc21 ? 'c' : 'd', price}});
    // Standard numbers are recorded without separators, invalid ones too.
    std::string invalid;
    for (char c : isbn)
        if (c != '-' && c != ' ')
            invalid += c;
    return DataField(marc21 ? "020" : "010", ' ', ' ', {{'z', invalid}, {marc21 ? 'c' : 'd', price}});
}

MarcField CoverField(MarcFlavour flavour, const std::string& url)
{
    if (flavour == MarcFlavour::Unimarc)
        return DataField("856", '4', ' ', {{'u', url}});
    return DataField("856", '4', '2', {{'3', "cover image"}, {'u', url}});
}

// Books' fixed-length data; what the columns cannot tell carries the fill character (no attempt to code).
std::string Marc21FixedData(const MarcTimestamp& made, const std::string& year, const std::string& language)
{
    std::string data(40, '|');
    data.replace(0, 6, DateEntered(made).substr(2));
    data.replace(6, 9, year.empty() ? "nuuuu    " : "s" + year + "    ");
    data.replace(15, 3, "xx ");  // place of publication unknown
    data[23] = ' ';              // regular print
    data[32] = ' ';
    data.replace(35, 5, language + " d");  // not modified; catalogued by neither a national agency nor a cooperative
    return data;
}

// General processing data: date entered, publication date, target audience and government publication
// unknown, language of cataloguing, character set UTF-8, script of the title.
std::string ProcessingData(const MarcTimestamp& made, const ResultFields& values)
{
    const std::string year = PublicationYear(values[kPubDate]);
    return DateEntered(made) + (year.empty() ? "f        " : "d" + year + "    ") + "u  u0chiy50      " +
           (values[kTitle].empty() || HasHan(values[kTitle]) ? "ea" : "ba");
}

MarcField UnimarcProcessingField(const MarcTimestamp& made, const ResultFields& values)
{
    return DataField("100", ' ', ' ', {{'a', ProcessingData(made, values)}});
}

MarcRecord Marc21Record(const std::string& isbn, const ResultFields& v, const MarcTimestamp& made)
{
    MarcRecord record;
    record.leader = "00000nam a2200000   4500";
    const std::string title = v[kTitle].empty() ? kDevisedTitle : v[kTitle];
    if (!isbn.empty())
        record.fields.push_back(ControlField("001", isbn));
    record.fields.push_back(ControlField("005", Timestamp(made)));
    record.fields.push_back(
        ControlField("008", Marc21FixedData(made, PublicationYear(v[kPubDate]), LanguageCode(v[kTitle]))));
    AddField(record, IsbnField(MarcFlavour::Marc21, isbn, v[kPrice]));
    if (!v[kClassNumber].empty())
        AddField(record, DataField("084", ' ', ' ', {{'a', v[kClassNumber]}, {'2', "clc"}}));
    const std::string titleProper = v[kAuthor].empty() ? EndingWithPeriod(title) : title + " /";
    AddField(record, DataField("245", '0', NonfilingCharacters(titleProper),
                               {{'a', titleProper}, {'c', EndingWithPeriod(v[kAuthor])}}));
    AddField(record, DataField("250", ' ', ' ', {{'a', v[kEdition]}}));
    AddField(record, DataField("264", ' ', '1', {{'b', Before(v[kPublisher], ",", v[kPubDate])}, {'c', v[kPubDate]}}));
    AddField(record, DataField("300", ' ', ' ', {{'a', Before(v[kPages], " ;", v[kFormat])}, {'c', v[kFormat]}}));
    AddField(record, DataField("520", ' ', ' ', {{'a', v[kIntro]}}));
    if (!v[kCoverUrl].empty())
        record.fields.push_back(CoverField(MarcFlavour::Marc21, v[kCoverUrl]));
    return record;
}

MarcRecord UnimarcRecord(const std::string& isbn, const ResultFields& v, const MarcTimestamp& made)
{
    MarcRecord record;
    record.leader = "00000nam0 2200000   450 ";
    const std::string title = v[kTitle].empty() ? kDevisedTitle : v[kTitle];
    if (!isbn.empty())
        record.fields.push_back(ControlField("001", isbn));
    record.fields.push_back(ControlField("005", Timestamp(made)));
    AddField(record, IsbnField(MarcFlavour::Unimarc, isbn, v[kPrice]));
    record.fields.push_back(UnimarcProcessingField(made, v));
    record.fields.push_back(DataField("101", '0', ' ', {{'a', LanguageCode(v[kTitle])}}));
    AddField(record, DataField("200", '1', ' ', {{'a', Before(title, " /", v[kAuthor])}, {'f', v[kAuthor]}}));
    AddField(record, DataField("205", ' ', ' ', {{'a', v[kEdition]}}));
    AddField(record, DataField("210", ' ', ' ', {{'c', Before(v[kPublisher], ",", v[kPubDate])}, {'d', v[kPubDate]}}));
    AddField(record, DataField("215", ' ', ' ', {{'a', Before(v[kPages], " ;", v[kFormat])}, {'d', v[kFormat]}}));
    AddField(record, DataField("330", ' ', ' ', {{'a', v[kIntro]}}));
    AddField(record, DataField("690", ' ', ' ', {{'a', v[kClassNumber]}}));
    if (!v[kCoverUrl].empty())
        record.fields.push_back(CoverField(MarcFlavour::Unimarc, v[kCoverUrl]));
    return record;
}

void AddPrice(MarcRecord& record, MarcFlavour flavour, const std::string& price)
{
    const bool marc21 = flavour == MarcFlavour::Marc21;
    MarcField* isbnField = record.FirstTagged(marc21 ? "020" : "010");
    if (isbnField)
        isbnField->subfields.push_back({marc21 ? 'c' : 'd', price});
    else
        record.InsertInTagOrder(IsbnField(flavour, "", price));
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

MarcRecord CompletedReceived(const MarcRecord& received, MarcFlavour flavour, const ResultFields& rowValues,
                             const MarcTimestamp& made)
{
    MarcRecord record = received;
    const ResultFields own = MarcColumnValues(record, flavour);
    if (own[kPrice].empty() && !rowValues[kPrice].empty())
        AddPrice(record, flavour, rowValues[kPrice]);
    if (own[kCoverUrl].empty() && !rowValues[kCoverUrl].empty())
        record.InsertInTagOrder(CoverField(flavour, rowValues[kCoverUrl]));
    MarkUtf8(record, flavour, made, own);
    return record;
}

}

MarcRecord ComposeBookRecord(const std::string& isbn, const std::vector<ResultFields>& rows, const MarcRecord* received,
                             MarcFlavour receivedFlavour, MarcFlavour wanted, const MarcTimestamp& made)
{
    MarcRecord record;
    if (received && receivedFlavour == wanted) {
        record = CompletedReceived(*received, wanted, FirstValues(rows), made);
    } else {
        std::vector<ResultFields> sources;
        if (received)
            sources.push_back(MarcColumnValues(*received, receivedFlavour));
        sources.insert(sources.end(), rows.begin(), rows.end());
        ResultFields values = FirstValues(sources);
        values[kAuthor] = CloseUpInitials(values[kAuthor]);
        const std::string given = TrimSpaces(CleanMarcText(isbn));
        record = wanted == MarcFlavour::Marc21 ? Marc21Record(given, values, made) : UnimarcRecord(given, values, made);
    }
    FitIso2709(record);
    return record;
}
