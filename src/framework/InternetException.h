#pragma once
#include <windows.h>

// Raised by CInternetSession::OpenURL when the request cannot be made.
class CInternetException {
public:
    explicit CInternetException(DWORD error) : m_dwError(error) {}
    DWORD m_dwError;
};
