#include "marc/MarcCharset.h"

#include <algorithm>
#include <cctype>

namespace {

struct CharsetName {
    const char* name;
    MarcCharset charset;
};

const CharsetName kNames[] = {
    {"", MarcCharset::ByRecord},        {"utf-8", MarcCharset::Utf8},        {"marc-8", MarcCharset::Marc8},
    {"iso-5426", MarcCharset::Iso5426}, {"iso-8859-1", MarcCharset::Latin1}, {"gb2312", MarcCharset::Gb2312},
    {"gbk", MarcCharset::Gbk},          {"gb18030", MarcCharset::Gb18030},
};

}

bool ParseMarcCharset(const std::string& name, MarcCharset& charset)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const CharsetName& entry : kNames) {
        if (lower == entry.name) {
            charset = entry.charset;
            return true;
        }
    }
    return false;
}
