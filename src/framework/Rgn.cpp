#include "framework/Rgn.h"

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Replace(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* rect)
{
    return Replace(::CreateRectRgnIndirect(rect));
}
