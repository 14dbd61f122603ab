#include "framework/Shell.h"

#include <shellapi.h>

#include "framework/CodePage.h"

BOOL AfxShellExecuteEx(const std::string& verb, const std::string& file, ULONG mask, int show)
{
    std::wstring wideVerb = MultiByteToWide(verb);
    std::wstring wideFile = MultiByteToWide(file);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    info.lpVerb = wideVerb.c_str();
    info.lpFile = wideFile.c_str();
    info.nShow = show;
    return ::ShellExecuteExW(&info);
}
