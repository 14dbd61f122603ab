#include "lookup/CsvRows.h"

#include "lookup/ResultColumns.h"

namespace {

const char kIntroTitle[] = "简介";

}

std::string CsvHeader(bool withIntro)
{
    std::string header = "\xEF\xBB\xBF"
                         "来源";
    for (const ResultColumn& column : kResultColumns)
        header += "," + std::string(column.heading);
    if (withIntro)
        header += "," + std::string(kIntroTitle);
    return header + "\r\n";
}

std::string CsvRow(const std::string& source, const std::string& isbn, const ResultFields& values, bool withIntro)
{
    std::string line = CsvField(source) + "," + CsvField(isbn);
    std::size_t slots = withIntro ? kSlotCount : kIntro;
    for (std::size_t slot = 0; slot < slots; ++slot)
        line += "," + CsvField(values[slot]);
    return line + "\r\n";
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
