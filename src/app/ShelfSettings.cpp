#include "app/ShelfSettings.h"

#include <shlobj.h>

#include "framework/CodePage.h"
#include "framework/WinApp.h"

namespace {

const wchar_t kDefaultName[] = L"Quillfind-shelf.mrc";

std::wstring DefaultShelfFile()
{
    wchar_t documents[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return kDefaultName;
    return std::wstring(documents) + L"\\" + kDefaultName;
}

}

ShelfSettings LoadShelfSettings(const CWinApp& app)
{
    ShelfSettings settings;
    const std::string file = app.GetProfileString("Shelf", "file");
    settings.file = file.empty() ? DefaultShelfFile() : MultiByteToWide(file);
    const std::string format = app.GetProfileString("Shelf", "format", "marc21");
    if (!ParseMarcFlavour(format, settings.format)) {
        settings.problem = "format=" + format + Cp936FromUtf8("（应为 marc21 或 unimarc）");
        settings.file.clear();
    }
    return settings;
}
