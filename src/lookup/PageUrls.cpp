#include "lookup/PageUrls.h"

namespace {

bool IsKeptAsTyped(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
}

}

std::string EncodeUrlComponent(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (IsKeptAsTyped(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string CommunityPageUrl(const SourceConfig& config, const std::string& isbn)
{
    return config.communityBase + "/isbn/" + EncodeUrlComponent(isbn) + "/";
}

std::string LibrarySearchUrl(const SourceConfig& config, const std::string& isbn)
{
    return config.libraryBase + "/" + "BookSearch.aspx?ISBN=" + EncodeUrlComponent(isbn);
}

std::string LibraryDetailUrl(const SourceConfig& config, const std::string& id)
{
    return config.libraryBase + "/" + "bookdetail.aspx?id=" + id;
}

std::string SruSearchUrl(const SourceConfig& config, const std::string& isbn)
{
    const char* join = config.sruBase.find('?') == std::string::npos ? "?" : "&";
    return config.sruBase + join + "version=1.1&operation=searchRetrieve&query=" + EncodeUrlComponent(config.sruIndex) +
           "%3D" + EncodeUrlComponent(CqlTerm(isbn)) + "&maximumRecords=1&recordSchema=marcxml";
}

std::string CqlTerm(const std::string& isbn)
{
    bool plain = !isbn.empty();
    for (unsigned char c : isbn)
        plain = plain && IsKeptAsTyped(c);
    if (plain)
        return isbn;
    std::string quoted = "\"";
    for (char c : isbn) {
        if (c == '"' || c == '\\' || c == '*' || c == '?' || c == '^')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}
