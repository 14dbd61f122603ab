#include "framework/HttpFile.h"

#include <cstring>
#include <utility>

#include "framework/CodePage.h"

CHttpFile::CHttpFile(InternetHandle h) : request(std::move(h))
{
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& status) const
{
    DWORD size = sizeof(status);
    return ::HttpQueryInfoW(request.GetSafeHandle(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                            nullptr);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, std::string& value) const
{
    std::wstring text(256, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    BOOL got = ::HttpQueryInfoW(request.GetSafeHandle(), infoLevel, &text[0], &size, nullptr);
    // All the raw headers, say, need more room: size now says how much.
    if (!got && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        got = ::HttpQueryInfoW(request.GetSafeHandle(), infoLevel, &text[0], &size, nullptr);
    }
    if (!got)
        return FALSE;
    value = WideToMultiByte(text.substr(0, size / sizeof(wchar_t)));
    return TRUE;
}

bool CHttpFile::Fill(DWORD most)
{
    next = 0;
    buffered = 0;
    if (!request)
        return false;
    DWORD got = 0;
    if (!::InternetReadFile(request.GetSafeHandle(), buffer, most < sizeof(buffer) ? most : sizeof(buffer), &got))
        return false;
    buffered = got;
    return got > 0;
}

UINT CHttpFile::Read(void* out, UINT count)
{
    UINT copied = 0;
    while (copied < count) {
        if (next == buffered && !Fill())
            break;
        DWORD take = buffered - next;
        if (take > count - copied)
            take = count - copied;
        std::memcpy(static_cast<char*>(out) + copied, buffer + next, take);
        next += take;
        copied += take;
    }
    return copied;
}

UINT CHttpFile::ReadAvailable(void* out, UINT count)
{
    if (next == buffered) {
        DWORD available = 0;
        if (!request || !::InternetQueryDataAvailable(request.GetSafeHandle(), &available, 0, 0) || available == 0 ||
            !Fill(available))
            return 0;
    }
    DWORD take = buffered - next;
    if (take > count)
        take = count;
    std::memcpy(out, buffer + next, take);
    next += take;
    return take;
}

void CHttpFile::Close()
{
    request.Destroy();
}
