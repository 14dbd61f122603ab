#include "app/SourceSettings.h"

#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "lookup/IniSourceSettings.h"

namespace {

// What GetProfileString gives for an entry that is not there: no setting can hold it.
const char kMissing[] = "\x01";

bool IsWebAddress(const std::string& url)
{
    std::string lower;
    for (char c : url.substr(0, 8))
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return lower.rfind("http://", 0) == 0 || lower.rfind("https://", 0) == 0;
}

// "ENTRY=VALUE（WHY）", code page 936.
std::string Problem(const char* entry, const std::string& value, const char* why)
{
    return std::string(entry) + "=" + value + Cp936FromUtf8(std::string("（") + why + "）");
}

// Each bad SRU setting is named, and the SRU source is left out: no value is guessed for it.
void CheckSru(const CWinApp& app, SourceConfig& config)
{
    const size_t before = config.problems.size();
    if (!config.sruBase.empty() && !IsWebAddress(config.sruBase))
        config.problems.push_back(Problem("sru", config.sruBase, "不是 http(s) 网址"));
    const std::string format = app.GetProfileString("Sources", "sruFormat", kMissing);
    if (format != kMissing && !ParseMarcFlavour(format, config.sruFormat))
        config.problems.push_back(Problem("sruFormat", format, "应为 marc21 或 unimarc"));
    if (config.sruIndex.empty())
        config.problems.push_back(Problem("sruIndex", config.sruIndex, "不能为空"));
    if (config.problems.size() != before)
        config.sruBase.clear();
}

}

SourceConfig LoadSourceConfig(const CWinApp& app)
{
    SourceConfig config;
    config.communityBase = app.GetProfileString("Sources", "community", config.communityBase);
    config.libraryBase = app.GetProfileString("Sources", "library", config.libraryBase);
    config.coverBase = app.GetProfileString("Sources", "covers", config.coverBase);
    config.sruBase = app.GetProfileString("Sources", "sru", config.sruBase);
    config.sruIndex = app.GetProfileString("Sources", "sruIndex", config.sruIndex);
    CheckSru(app, config);
    ReadCatalogueSections(app.GetProfilePath(), config);
    return config;
}
