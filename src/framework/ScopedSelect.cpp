#include "framework/ScopedSelect.h"

ScopedSelect::ScopedSelect(HDC dc, HGDIOBJ object) : dc(dc), clipRegion(::GetObjectType(object) == OBJ_REGION)
{
    if (!clipRegion) {
        previous = ::SelectObject(dc, object);
        return;
    }
    previousClip.CreateRectRgn(0, 0, 0, 0);
    if (::GetClipRgn(dc, previousClip) != 1)
        previousClip.DeleteObject();  // there was no clip region
    ::SelectClipRgn(dc, static_cast<HRGN>(object));
}

ScopedSelect::~ScopedSelect()
{
    if (clipRegion)
        ::SelectClipRgn(dc, previousClip);
    else
        ::SelectObject(dc, previous);
}
