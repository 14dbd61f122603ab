#include "framework/ImageList.h"

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    list.Attach(::ImageList_Create(cx, cy, flags, initial, grow));
    return list.GetSafeHandle() != nullptr;
}

int CImageList::GetImageCount() const
{
    return GetSafeHandle() ? ::ImageList_GetImageCount(GetSafeHandle()) : 0;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask)
{
    return GetSafeHandle() ? ::ImageList_AddMasked(GetSafeHandle(), bitmap, mask) : -1;
}

int CImageList::Replace(int index, HICON icon)
{
    return GetSafeHandle() ? ::ImageList_ReplaceIcon(GetSafeHandle(), index, icon) : -1;
}

HICON CImageList::ExtractIcon(int index) const
{
    return GetSafeHandle() ? ::ImageList_GetIcon(GetSafeHandle(), index, ILD_NORMAL) : nullptr;
}

BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) const
{
    return GetSafeHandle() && ::ImageList_Draw(GetSafeHandle(), index, dc, at.x, at.y, style);
}
