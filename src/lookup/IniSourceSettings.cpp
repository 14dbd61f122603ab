#include "lookup/IniSourceSettings.h"

#include "framework/CodePage.h"
#include "lookup/CatalogueSettings.h"

namespace {

// A buffer the call fills, doubled until what it returns fits with room to spare.
template <typename Fill>
std::wstring Filled(Fill fill)
{
    std::wstring text(512, L'\0');
    for (;;) {
        DWORD n = fill(text.data(), static_cast<DWORD>(text.size()));
        if (n + 2 < text.size()) {
            text.resize(n);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// A value of the file, code page 936; false when the entry is missing.
bool ReadValue(const std::wstring& path, const std::string& section, const std::string& key, std::string& value)
{
    const std::wstring wideSection = MultiByteToWide(section), wideKey = MultiByteToWide(key);
    // A default no file holds tells a missing entry from an empty one.
    const wchar_t kMissing[] = L"\x1";
    std::wstring text = Filled([&](wchar_t* buffer, DWORD size) {
        return ::GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), kMissing, buffer, size, path.c_str());
    });
    if (text == kMissing)
        return false;
    value = WideToMultiByte(text);
    return true;
}

}

void ReadCatalogueSections(const std::wstring& path, SourceConfig& config)
{
    std::wstring names = Filled(
        [&](wchar_t* buffer, DWORD size) { return ::GetPrivateProfileSectionNamesW(buffer, size, path.c_str()); });
    for (std::size_t at = 0; at < names.size();) {
        std::size_t end = names.find(L'\0', at);
        if (end == std::wstring::npos)
            end = names.size();
        const std::string section = WideToMultiByte(names.substr(at, end - at));
        std::string name;
        if (CatalogueSectionName(section, &name)) {
            ReadCatalogueSection(
                name, [&](const std::string& key, std::string& value) { return ReadValue(path, section, key, value); },
                config);
        }
        at = end + 1;
    }
}

void ReadIniSources(const std::wstring& path, SourceConfig& config)
{
    std::string value;
    for (auto entry : {std::make_pair("community", &config.communityBase),
                       std::make_pair("library", &config.libraryBase), std::make_pair("covers", &config.coverBase),
                       std::make_pair("sru", &config.sruBase), std::make_pair("sruIndex", &config.sruIndex)})
        if (ReadValue(path, "Sources", entry.first, value))
            *entry.second = value;
    if (ReadValue(path, "Sources", "sruFormat", value))
        ParseMarcFlavour(value, config.sruFormat);
    ReadCatalogueSections(path, config);
}
