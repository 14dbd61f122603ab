#include "lookup/CatalogueSettings.h"

namespace {

const char kSectionPrefix[] = "Catalogue ";
// "：设置无效，不询问此目录" in code page 936.
const char kLeftOut[] =
    "\xa3\xba\xc9\xe8\xd6\xc3\xce\xde\xd0\xa7\xa3\xac\xb2\xbb\xd1\xaf\xce\xca\xb4\xcb\xc4\xbf\xc2\xbc";
const int kMaxTimeoutSeconds = 3600;

// A value without the comment that may follow it (" ; ..."), and trimmed.
std::string WithoutComment(const std::string& value)
{
    std::string text = value;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == ';' && (at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t')) {
            text.resize(at);
            break;
        }
    }
    const std::string::size_type first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool ParseProtocol(const std::string& text, CatalogueProtocol& protocol)
{
    if (text == "z3950" || text.empty())
        protocol = CatalogueProtocol::Z3950;
    else if (text == "sru")
        protocol = CatalogueProtocol::Sru;
    else
        return false;
    return true;
}

bool ParseTimeout(const std::string& text, int& seconds)
{
    if (text.empty())
        return true;
    if (!IsDigits(text) || text.size() > 4)
        return false;
    seconds = std::stoi(text);
    return seconds >= 1 && seconds <= kMaxTimeoutSeconds;
}

bool ValidAddress(const CatalogueConfig& c)
{
    std::string hostPort, database;
    if (c.protocol == CatalogueProtocol::Z3950)
        return SplitZ3950Address(c.address, &hostPort, &database);
    return c.address.rfind("http://", 0) == 0 || c.address.rfind("https://", 0) == 0;
}

bool ValidIndex(const CatalogueConfig& c)
{
    return c.index.empty() || c.protocol == CatalogueProtocol::Sru || IsDigits(c.index);
}

}

bool CatalogueSectionName(const std::string& section, std::string* name)
{
    const std::string prefix = kSectionPrefix;
    if (section.size() <= prefix.size() || section.compare(0, prefix.size(), prefix) != 0)
        return false;
    *name = section.substr(prefix.size());
    return true;
}

void ReadCatalogueSection(const std::string& name, const SectionRead& read, SourceConfig& config)
{
    CatalogueConfig c;
    c.name = name;
    std::vector<std::string> bad;
    // Reads a key into the catalogue; a value the check refuses is named.
    auto setting = [&](const char* key, auto check) {
        std::string value;
        read(key, value);
        value = WithoutComment(value);
        if (!check(value))
            bad.push_back("[" + std::string(kSectionPrefix) + name + "] " + key + "=" + value + kLeftOut);
    };
    setting("protocol", [&](const std::string& v) { return ParseProtocol(v, c.protocol); });
    setting("address", [&](const std::string& v) {
        c.address = v;
        return ValidAddress(c);
    });
    setting("format", [&](const std::string& v) { return v.empty() || ParseMarcFlavour(v, c.format); });
    setting("charset", [&](const std::string& v) { return ParseMarcCharset(v, c.charset); });
    setting("index", [&](const std::string& v) {
        c.index = v;
        return ValidIndex(c);
    });
    setting("user", [&](const std::string& v) {
        c.user = v;
        return true;
    });
    setting("password", [&](const std::string& v) {
        c.password = v;
        return true;
    });
    setting("timeout", [&](const std::string& v) { return ParseTimeout(v, c.timeoutSeconds); });
    if (bad.empty())
        config.catalogues.push_back(c);
    config.problems.insert(config.problems.end(), bad.begin(), bad.end());
}

std::vector<CatalogueConfig> ConfiguredCatalogues(const SourceConfig& config)
{
    std::vector<CatalogueConfig> catalogues;
    if (!config.sruBase.empty()) {
        CatalogueConfig sru;
        sru.name = "sru";
        sru.protocol = CatalogueProtocol::Sru;
        sru.address = config.sruBase;
        sru.index = config.sruIndex;
        sru.format = config.sruFormat;
        catalogues.push_back(sru);
    }
    if (!config.z3950Address.empty()) {
        CatalogueConfig z3950;
        z3950.name = "z3950";
        z3950.address = config.z3950Address;
        z3950.format = config.z3950Format;
        z3950.charset = config.z3950Charset;
        catalogues.push_back(z3950);
    }
    catalogues.insert(catalogues.end(), config.catalogues.begin(), config.catalogues.end());
    return catalogues;
}
