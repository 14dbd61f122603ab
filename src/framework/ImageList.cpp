#include "framework/ImageList.h"

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    return Attach(::ImageList_Create(cx, cy, flags, initial, grow));
}

int CImageList::GetImageCount() const
{
    return handle ? ::ImageList_GetImageCount(handle) : 0;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask)
{
    return handle ? ::ImageList_AddMasked(handle, bitmap, mask) : -1;
}

int CImageList::Replace(int index, HICON icon)
{
    return handle ? ::ImageList_ReplaceIcon(handle, index, icon) : -1;
}

IconHandle CImageList::ExtractIcon(int index) const
{
    return IconHandle(handle ? ::ImageList_GetIcon(handle, index, ILD_NORMAL) : nullptr);
}

BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) const
{
    return handle && ::ImageList_Draw(handle, index, dc, at.x, at.y, style);
}
