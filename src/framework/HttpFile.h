#pragma once
#include <cstddef>
#include <string>

#include "framework/InternetHandle.h"

// The response of one request, read as raw bytes.
class CHttpFile {
public:
    explicit CHttpFile(InternetHandle request);

    BOOL QueryInfoStatusCode(DWORD& status) const;
    // A response header as text, such as HTTP_QUERY_RETRY_AFTER, of any length. FALSE when absent.
    BOOL QueryInfo(DWORD infoLevel, std::string& value) const;
    // Up to count bytes; 0 at the end of the data or on a failed read.
    UINT Read(void* buffer, UINT count);
    // Waits until some data has arrived and returns up to count bytes of it,
    // so a slow server's bytes are seen as they come; 0 at the end of the
    // data or on a failed read.
    UINT ReadAvailable(void* buffer, UINT count);
    void Close();

private:
    // Reads no more than most bytes, and no more than the buffer holds.
    bool Fill(DWORD most = sizeof(buffer));

    InternetHandle request;
    char buffer[4096];
    DWORD buffered = 0;
    DWORD next = 0;
};
