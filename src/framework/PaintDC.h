#pragma once
#include <windows.h>

#include "framework/DC.h"

// BeginPaint in the constructor, EndPaint in the destructor; a scope guard,
// so neither copied nor moved.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hwnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps;

private:
    HWND hwnd;
};
