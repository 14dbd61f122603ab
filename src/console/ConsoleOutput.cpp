#include "console/ConsoleOutput.h"

#include "lookup/BookRecord.h"

std::string EscapeLineBreaks(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += (text[i] == '\r' || text[i] == '\n') ? std::string("\\n") : std::string(1, text[i]);
    }
    return out;
}

std::string FormatRow(const std::string& isbn, const SourceOutcome& found, bool withIntro)
{
    std::string line = found.name;
    line += '\t';
    line += isbn;
    for (std::size_t slot = 0; slot < kCoverUrl + 1; ++slot)
        line += '\t' + found.values[slot];
    if (withIntro)
        line += '\t' + EscapeLineBreaks(found.values[kIntro]);
    return line;
}
