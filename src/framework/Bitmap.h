#pragma once
#include "framework/GdiObject.h"

class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
};
