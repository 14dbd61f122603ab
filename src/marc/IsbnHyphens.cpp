#include "marc/IsbnHyphens.h"

namespace {

struct RegistrantRange {
    const char* prefix;
    const char* group;
    const char* low;
    const char* high;
};

const RegistrantRange kRanges[] = {
#include "IsbnRanges.inc"
};

std::string Hyphenated(const std::string& prefix, const std::string& digits)
{
    // digits: group, registrant and publication, then the check digit.
    for (const RegistrantRange& range : kRanges) {
        const std::string group = range.group, low = range.low;
        if (prefix != range.prefix || digits.compare(0, group.size(), group) != 0)
            continue;
        const std::size_t rest = group.size();
        if (digits.size() < rest + low.size() + 2)
            continue;
        const std::string registrant = digits.substr(rest, low.size());
        if (registrant < low || registrant > range.high)
            continue;
        return group + "-" + registrant + "-" +
               digits.substr(rest + low.size(), digits.size() - 1 - rest - low.size()) + "-" + digits.back();
    }
    return std::string();
}

}

std::string HyphenateIsbn(const std::string& isbn)
{
    if (isbn.size() == 13) {
        const std::string rest = Hyphenated(isbn.substr(0, 3), isbn.substr(3));
        return rest.empty() ? isbn : isbn.substr(0, 3) + "-" + rest;
    }
    if (isbn.size() == 10) {
        const std::string hyphenated = Hyphenated("978", isbn);
        return hyphenated.empty() ? isbn : hyphenated;
    }
    return isbn;
}
