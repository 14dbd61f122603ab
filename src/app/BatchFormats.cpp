#include "app/BatchFormats.h"

#include "app/ConsoleOutput.h"
#include "lookup/BookRecord.h"
#include "lookup/ResultColumns.h"

namespace {

const char kIntroTitle[] = "简介";
const char* const kJsonKeys[kSlotCount] = {"classification", "title", "authors", "publisher", "pages", "size",
                                           "date",           "edition", "price", "cover",     "intro"};

std::string CsvRecord(const FoundRow& row, bool withIntro)
{
    std::string line = SourceName(row.source);
    std::size_t fields = withIntro ? 1 + kSlotCount : kSlotCount;
    for (std::size_t i = 0; i < fields; ++i)
        line += "," + CsvField(row.texts[i]);
    return line + "\r\n";
}

const FoundRow* RowOf(const LookupOutcome& outcome, SourceKind source)
{
    for (const FoundRow& row : outcome.rows)
        if (row.source == source)
            return &row;
    return nullptr;
}

std::string JsonLine(const LookupOutcome& outcome, const SourceAnswer& answer, bool withIntro)
{
    std::string line = "{\"isbn\":" + JsonString(outcome.isbn) + ",\"source\":" +
                       JsonString(SourceName(answer.source)) + ",\"status\":";
    const FoundRow* row = RowOf(outcome, answer.source);
    if (row) {
        line += "\"found\",\"fields\":{";
        std::size_t slots = withIntro ? kSlotCount : kIntro;
        for (std::size_t slot = 0; slot < slots; ++slot)
            line += (slot ? "," : "") + JsonString(kJsonKeys[slot]) + ":" + JsonString(row->texts[1 + slot]);
        line += "}";
    } else if (!answer.failure.empty()) {
        line += "\"failed\",\"error\":" + JsonString(answer.failure);
    } else {
        line += "\"not-found\"";
    }
    return line + "}\n";
}

}

std::string FormatHeader(OutputFormat format, bool withIntro)
{
    if (format != OutputFormat::Csv)
        return std::string();
    std::string header = "\xEF\xBB\xBF" "来源";
    for (const ResultColumn& column : kResultColumns)
        header += "," + std::string(column.heading);
    if (withIntro)
        header += "," + std::string(kIntroTitle);
    return header + "\r\n";
}

std::string FormatOutcome(const LookupOutcome& outcome, OutputFormat format, bool withIntro)
{
    std::string out;
    if (format == OutputFormat::Jsonl) {
        if (!outcome.invalid)
            for (const SourceAnswer& answer : outcome.answers)
                out += JsonLine(outcome, answer, withIntro);
        return out;
    }
    for (const FoundRow& row : outcome.rows)
        out += format == OutputFormat::Csv ? CsvRecord(row, withIntro) : FormatRow(row, withIntro) + "\n";
    return out;
}

std::string FormatReport(const LookupOutcome& outcome)
{
    if (outcome.invalid)
        return "invalid: " + outcome.isbn + "\n";
    std::string out;
    for (const SourceAnswer& answer : outcome.answers)
        if (!answer.failure.empty() && !RowOf(outcome, answer.source))
            out += "failed: " + outcome.isbn + " " + SourceName(answer.source) + " " + answer.failure + "\n";
    if (out.empty() && !outcome.Found())
        out = "not found: " + outcome.isbn + "\n";
    return out;
}

std::string CsvField(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (char c : value)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
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
