#include "app/SourceSettings.h"

#include "framework/WinApp.h"

SourceConfig LoadSourceConfig(const CWinApp& app)
{
    SourceConfig config;
    config.communityBase = app.GetProfileString("Sources", "community", config.communityBase);
    config.libraryBase = app.GetProfileString("Sources", "library", config.libraryBase);
    config.coverBase = app.GetProfileString("Sources", "covers", config.coverBase);
    return config;
}
