#include "console/BatchFormats.h"

#include "console/ConsoleOutput.h"
#include "lookup/BookRecord.h"
#include "lookup/CsvRows.h"
#include "lookup/ResultColumns.h"
#include "marc/Iso2709.h"
#include "marc/MarcPrice.h"
#include "marc/MarcXml.h"

namespace {

const char* const kJsonKeys[kSlotCount] = {"classification", "title",   "authors", "publisher", "pages", "size",
                                           "date",           "edition", "price",   "cover",     "intro"};

std::string JsonLine(const std::string& isbn, const SourceOutcome& source, bool withIntro)
{
    std::string line = "{\"isbn\":" + JsonString(isbn) + ",\"source\":" + JsonString(source.name) + ",\"status\":";
    if (source.Found()) {
        line += "\"found\",\"fields\":{";
        std::size_t slots = withIntro ? kSlotCount : kIntro;
        for (std::size_t slot = 0; slot < slots; ++slot)
            line += (slot ? "," : "") + JsonString(kJsonKeys[slot]) + ":" + JsonString(source.values[slot]);
        line += "}";
    } else if (source.status == SourceStatus::Failed) {
        line += "\"failed\",\"error\":" + JsonString(source.failure);
    } else {
        line += "\"not-found\"";
    }
    return line + "}\n";
}

// Text that is no ISBN, where a reader of standard output alone must see
// every input; TSV and the MARC formats have no place for it.
std::string InvalidOutput(const std::string& text, OutputFormat format, bool withIntro)
{
    if (format == OutputFormat::Jsonl)
        return "{\"isbn\":" + JsonString(text) + ",\"status\":\"invalid\"}\n";
    if (format != OutputFormat::Csv)
        return std::string();
    return "invalid," + CsvField(text) + std::string(withIntro ? kSlotCount : kIntro, ',') + "\r\n";
}

bool IsMarc(OutputFormat format)
{
    return format == OutputFormat::Marc21 || format == OutputFormat::Unimarc || format == OutputFormat::MarcXml;
}

// A web source's values for a record: their UTF-8 forms, the price with its currency.
ResultFields MarcRow(const SourceOutcome& source)
{
    ResultFields row = source.text;
    row[kPrice] = PriceWithCurrency(source.priceText);
    return row;
}

// The book's record: as the base, the record of the first catalogue in
// configured order whose record is of the flavour asked for, else of the
// first that has one; the library row, then the community row for what it
// lacks.
std::string MarcOutput(const LookupOutcome& outcome, OutputFormat format, const MarcTimestamp& made)
{
    MarcFlavour wanted = format == OutputFormat::Unimarc ? MarcFlavour::Unimarc : MarcFlavour::Marc21;
    std::vector<ResultFields> rows;
    const SourceOutcome* received = nullptr;
    for (const SourceOutcome& source : outcome.sources) {
        if (source.Found() && source.record) {
            if (!received || (received->recordFlavour != wanted && source.recordFlavour == wanted))
                received = &source;
        } else if (source.Found()) {
            rows.push_back(MarcRow(source));
        }
    }
    if (!received && rows.empty())
        return std::string();
    MarcRecord record = ComposeBookRecord(outcome.isbn, rows, received ? received->record.get() : nullptr,
                                          received ? received->recordFlavour : wanted, wanted, made);
    return format == OutputFormat::MarcXml ? MarcXmlRecord(record) : WriteIso2709(record);
}

}

std::string FormatHeader(OutputFormat format, bool withIntro)
{
    if (format == OutputFormat::MarcXml)
        return MarcXmlHeader();
    return format == OutputFormat::Csv ? CsvHeader(withIntro) : std::string();
}

std::string FormatFooter(OutputFormat format)
{
    return format == OutputFormat::MarcXml ? MarcXmlFooter() : std::string();
}

std::string FormatOutcome(const LookupOutcome& outcome, OutputFormat format, bool withIntro, const MarcTimestamp& made)
{
    if (outcome.invalid)
        return InvalidOutput(outcome.isbn, format, withIntro);
    if (IsMarc(format))
        return MarcOutput(outcome, format, made);
    std::string out;
    for (const SourceOutcome& source : outcome.sources) {
        if (format == OutputFormat::Jsonl)
            out += JsonLine(outcome.isbn, source, withIntro);
        else if (source.Found())
            out += format == OutputFormat::Csv ? CsvRow(source.name, outcome.isbn, source.values, withIntro)
                                               : FormatRow(outcome.isbn, source, withIntro) + "\n";
    }
    return out;
}

std::string FormatReport(const LookupOutcome& outcome)
{
    if (outcome.invalid)
        return "invalid: " + outcome.isbn + "\n";
    std::string out;
    for (const SourceOutcome& source : outcome.sources)
        if (source.status == SourceStatus::Failed)
            out += "failed: " + outcome.isbn + " " + source.name + " " + source.failure + "\n";
    if (out.empty() && !outcome.Found())
        out = "not found: " + outcome.isbn + "\n";
    return out;
}

std::string JsonString(const std::string& value)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}
