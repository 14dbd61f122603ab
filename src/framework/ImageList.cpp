#include "framework/ImageList.h"

CImageList::~CImageList()
{
    Destroy();
}

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

void CImageList::Attach(HIMAGELIST list)
{
    Destroy();
    handle = list;
}

BOOL CImageList::Destroy()
{
    HIMAGELIST old = Detach();
    return old && ::ImageList_Destroy(old);
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    Attach(::ImageList_Create(cx, cy, flags, initial, grow));
    return handle != nullptr;
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

HICON CImageList::ExtractIcon(int index) const
{
    return handle ? ::ImageList_GetIcon(handle, index, ILD_NORMAL) : nullptr;
}

BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) const
{
    return handle && ::ImageList_Draw(handle, index, dc, at.x, at.y, style);
}
