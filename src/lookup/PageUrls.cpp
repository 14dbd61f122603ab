#include "lookup/PageUrls.h"

#include "marc/IsbnCleaning.h"

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

std::string SruSearchUrl(const std::string& base, const std::string& index, const std::string& isbn)
{
    const char* join = base.find('?') == std::string::npos ? "?" : "&";
    std::string query = EncodeUrlComponent(index) + "%3D" + EncodeUrlComponent(CqlTerm(isbn));
    const std::string other = OtherIsbnForm(isbn);
    if (!other.empty())
        query += "%20or%20" + EncodeUrlComponent(index) + "%3D" + other;
    return base + join + "version=1.1&operation=searchRetrieve&query=" + query +
           "&maximumRecords=1&recordSchema=marcxml";
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
