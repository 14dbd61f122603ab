#include "framework/HttpFile.h"

#include <cstring>
#include <utility>

CHttpFile::CHttpFile(InternetHandle h) : request(std::move(h)) {}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& status) const
{
    DWORD size = sizeof(status);
    return ::HttpQueryInfoW(request.GetSafeHandle(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                            nullptr);
}

bool CHttpFile::Fill()
{
    next = 0;
    buffered = 0;
    if (!request)
        return false;
    DWORD got = 0;
    if (!::InternetReadFile(request.GetSafeHandle(), buffer, sizeof(buffer), &got))
        return false;
    buffered = got;
    return got > 0;
}

BOOL CHttpFile::ReadString(std::string& line, std::size_t maxBytes)
{
    line.clear();
    bool any = false;
    while (line.size() < maxBytes) {
        if (next == buffered && !Fill())
            break;
        any = true;
        const char* start = buffer + next;
        std::size_t room = maxBytes - line.size();
        std::size_t avail = buffered - next;
        std::size_t take = avail < room ? avail : room;
        const void* nl = std::memchr(start, '\n', take);
        if (nl) {
            std::size_t len = static_cast<const char*>(nl) - start;
            line.append(start, len);
            next += static_cast<DWORD>(len + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return TRUE;
        }
        line.append(start, take);
        next += static_cast<DWORD>(take);
    }
    return any;
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

void CHttpFile::Close()
{
    request.Destroy();
}
