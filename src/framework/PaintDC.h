#pragma once
#include <windows.h>

#include "framework/DCView.h"

// Holds a paint context: BeginPaint in the constructor, EndPaint in the
// destructor; a scope guard, so neither copied nor moved.
class CPaintDC : public DCView {
public:
    explicit CPaintDC(HWND hwnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps;

private:
    HWND hwnd;
};
