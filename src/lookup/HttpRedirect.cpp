#include "lookup/HttpRedirect.h"

#include <windows.h>
#include <wininet.h>

#include "framework/CodePage.h"

namespace {

bool IsWebAddress(const std::string& url)
{
    return _strnicmp(url.c_str(), "http://", 7) == 0 || _strnicmp(url.c_str(), "https://", 8) == 0;
}

}

bool IsRedirectStatus(unsigned long status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::string RedirectTarget(const std::string& url, const std::string& location)
{
    wchar_t target[INTERNET_MAX_URL_LENGTH];
    DWORD length = INTERNET_MAX_URL_LENGTH;
    if (location.empty() ||
        !::InternetCombineUrlW(MultiByteToWide(url).c_str(), MultiByteToWide(location).c_str(), target, &length, 0))
        return std::string();
    std::string combined = WideToMultiByte(std::wstring(target, length));
    return IsWebAddress(combined) ? combined : std::string();
}
