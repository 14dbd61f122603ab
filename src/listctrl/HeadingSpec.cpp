#include "listctrl/HeadingSpec.h"

#include <algorithm>
#include <climits>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// atoi without its undefined behaviour on overflow.
int ParseWidth(const std::string& text)
{
    size_t p = 0;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool negative = p < text.size() && text[p] == '-';
    if (p < text.size() && (text[p] == '-' || text[p] == '+'))
        ++p;
    long long value = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        value = std::min(value * 10 + (text[p] - '0'), static_cast<long long>(INT_MAX) + 1);
    value = negative ? -value : std::min(value, static_cast<long long>(INT_MAX));
    return static_cast<int>(value);
}

}

std::vector<HeadingEntry> ParseHeadingSpec(const std::string& headings)
{
    std::vector<HeadingEntry> entries;
    size_t position = 0;
    for (;;) {
        size_t comma = headings.find(',', position);
        if (comma == std::string::npos)
            return entries;
        size_t end = std::min(headings.find(';', comma + 1), headings.size());
        int width = ParseWidth(headings.substr(comma + 1, end - comma - 1));
        entries.push_back({headings.substr(position, comma - position), width});
        position = end + 1;
    }
}
