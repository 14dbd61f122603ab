#include "app/SourceSettings.h"

#include "framework/WinApp.h"
#include "lookup/IniSourceSettings.h"

SourceConfig LoadSourceConfig(const CWinApp& app)
{
    SourceConfig config;
    config.communityBase = app.GetProfileString("Sources", "community", config.communityBase);
    config.libraryBase = app.GetProfileString("Sources", "library", config.libraryBase);
    config.coverBase = app.GetProfileString("Sources", "covers", config.coverBase);
    config.sruBase = app.GetProfileString("Sources", "sru", config.sruBase);
    config.sruIndex = app.GetProfileString("Sources", "sruIndex", config.sruIndex);
    // A flavour it does not know leaves the default.
    ParseMarcFlavour(app.GetProfileString("Sources", "sruFormat", std::string()), config.sruFormat);
    ReadCatalogueSections(app.GetProfilePath(), config);
    return config;
}
