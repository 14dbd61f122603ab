#pragma once
#include <windows.h>

#include "framework/DCView.h"

// Holds a window's client context: GetDC in the constructor, ReleaseDC in
// the destructor; a scope guard, so neither copied nor moved.
class CClientDC : public DCView {
public:
    explicit CClientDC(HWND hwnd);
    ~CClientDC();
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND hwnd;
};
