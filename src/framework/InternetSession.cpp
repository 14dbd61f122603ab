#include "framework/InternetSession.h"

#include "framework/CodePage.h"

namespace {

std::wstring WideOrEmpty(const char* text)
{
    return text ? MultiByteToWide(text) : std::wstring();
}

}

CInternetSession::CInternetSession(const std::string& agent, DWORD_PTR, DWORD accessType, const char* proxyName,
                                   const char* proxyBypass, DWORD flags)
{
    std::wstring proxy = WideOrEmpty(proxyName);
    std::wstring bypass = WideOrEmpty(proxyBypass);
    session =
        InternetHandle(::InternetOpenW(MultiByteToWide(agent).c_str(), accessType, proxyName ? proxy.c_str() : nullptr,
                                       proxyBypass ? bypass.c_str() : nullptr, flags));
}

std::unique_ptr<CHttpFile> CInternetSession::OpenURL(const std::string& url, DWORD_PTR context, DWORD flags,
                                                     const char* headers, DWORD headersLength)
{
    if (!session)
        throw CInternetException(::GetLastError());
    std::wstring extra = WideOrEmpty(headers);
    HINTERNET request =
        ::InternetOpenUrlW(session.GetSafeHandle(), MultiByteToWide(url).c_str(), headers ? extra.c_str() : nullptr,
                           headers ? headersLength : 0, flags, context);
    if (!request)
        throw CInternetException(::GetLastError());
    return std::make_unique<CHttpFile>(InternetHandle(request));
}

void CInternetSession::Close()
{
    session.Destroy();
}

BOOL SetMaxConnectionsPerServer(DWORD connections)
{
    return ::InternetSetOptionW(nullptr, INTERNET_OPTION_MAX_CONNS_PER_SERVER, &connections, sizeof(connections)) &&
           ::InternetSetOptionW(nullptr, INTERNET_OPTION_MAX_CONNS_PER_1_0_SERVER, &connections, sizeof(connections));
}
