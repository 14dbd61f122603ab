#pragma once
#include <windows.h>

#include "framework/DC.h"

// A memory device context compatible with another, owned as CDC owns.
class CMemDC : public CDC {
public:
    explicit CMemDC(HDC compatibleWith);
};
