#include "framework/ScopedSelect.h"

ScopedSelect::ScopedSelect(DCView view, HGDIOBJ object)
    : dc(view.GetSafeHandle()), clipRegion(::GetObjectType(object) == OBJ_REGION)
{
    if (!clipRegion) {
        previous = ::SelectObject(dc, object);
        return;
    }
    previousClip.CreateRectRgn(0, 0, 0, 0);
    if (::GetClipRgn(dc, previousClip) != 1)
        previousClip.Destroy();  // there was no clip region
    ::SelectClipRgn(dc, static_cast<HRGN>(object));
}

ScopedSelect::~ScopedSelect()
{
    if (clipRegion)
        ::SelectClipRgn(dc, previousClip);
    else
        ::SelectObject(dc, previous);
}
