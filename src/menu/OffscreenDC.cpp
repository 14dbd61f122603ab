#include "menu/OffscreenDC.h"

OffscreenDC::OffscreenDC(DCView target, const RECT& rect) : target(target), rect(rect)
{
    CreateCompatibleDC(target.GetSafeHandle());
    bitmap.CreateCompatibleBitmap(target.GetSafeHandle(), rect.right - rect.left, rect.bottom - rect.top);
    replacedBitmap = SelectObject(bitmap);
    SetWindowOrg(rect.left, rect.top);
}

// The bitmap is deleted next, then the memory context by CDC.
OffscreenDC::~OffscreenDC()
{
    target.BitBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, *this, rect.left, rect.top,
                  SRCCOPY);
    SelectObject(replacedBitmap);
}
