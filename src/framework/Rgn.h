#pragma once
#include "framework/GdiObject.h"

class CRgn : public CGdiObject<HRGN> {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(const RECT* rect);
};
