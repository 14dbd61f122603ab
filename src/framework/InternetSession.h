#pragma once
#include <memory>
#include <string>

#include "framework/HttpFile.h"
#include "framework/InternetException.h"

class CInternetSession {
public:
    CInternetSession(const std::string& agent, DWORD_PTR context, DWORD accessType, const char* proxyName,
                     const char* proxyBypass, DWORD flags);
    ~CInternetSession() = default;
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // Sends a GET for url. Throws CInternetException when the request cannot be made.
    std::unique_ptr<CHttpFile> OpenURL(const std::string& url, DWORD_PTR context, DWORD flags, const char* headers,
                                       DWORD headersLength);
    void Close();

private:
    InternetHandle session;
};

// Raises the process-wide limit of connections to one server, which
// otherwise holds parallel requests to the same host to a few at a time.
BOOL SetMaxConnectionsPerServer(DWORD connections);
