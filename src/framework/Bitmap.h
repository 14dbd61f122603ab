#pragma once
#include "framework/GdiObject.h"

class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // bits, when given, receives the section's pixels.
    BOOL CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits = nullptr);
    BOOL LoadBitmap(HINSTANCE module, const wchar_t* name);
};
