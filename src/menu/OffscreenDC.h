#pragma once
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/DCView.h"

// Buffers the drawing of one menu item: a memory context whose coordinates
// are the target's, put on the target in one copy when it is destroyed.
class OffscreenDC : public CDC {
public:
    OffscreenDC(DCView target, const RECT& rect);
    ~OffscreenDC();
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

private:
    CBitmap bitmap;
    HGDIOBJ replacedBitmap = nullptr;
    DCView target;
    RECT rect;
};
