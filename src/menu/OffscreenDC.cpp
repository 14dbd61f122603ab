#include "menu/OffscreenDC.h"

OffscreenDC::OffscreenDC(DCView target, const RECT& rect)
    : DCView(::CreateCompatibleDC(target.GetSafeHandle())), target(target), rect(rect)
{
    bitmap.CreateCompatibleBitmap(target.GetSafeHandle(), rect.right - rect.left, rect.bottom - rect.top);
    replacedBitmap = SelectObject(bitmap);
    SetWindowOrg(rect.left, rect.top);
}

OffscreenDC::~OffscreenDC()
{
    target.BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, *this, rect.left, rect.top,
                  SRCCOPY);
    SelectObject(replacedBitmap);
    bitmap.DeleteObject();
    ::DeleteDC(dc);
}
