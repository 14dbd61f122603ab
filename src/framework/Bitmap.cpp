#include "framework/Bitmap.h"

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits)
{
    void* ignored = nullptr;
    return Attach(::CreateDIBSection(dc, info, usage, bits ? bits : &ignored, nullptr, 0));
}

BOOL CBitmap::LoadBitmap(HINSTANCE module, const wchar_t* name)
{
    return Attach(::LoadBitmapW(module, name));
}
