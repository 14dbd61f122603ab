#pragma once
#include <windows.h>

#include "framework/DC.h"

// Owns a memory device context compatible with another (DeleteDC in the
// destructor).
class CMemDC : public CDC {
public:
    explicit CMemDC(HDC compatibleWith);
    ~CMemDC();
    CMemDC(CMemDC&& other) noexcept;
    CMemDC& operator=(CMemDC&& other) noexcept;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
};
