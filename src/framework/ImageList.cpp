#include "framework/ImageList.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other) {
        DeleteImageList();
        m_hImageList = std::exchange(other.m_hImageList, nullptr);
    }
    return *this;
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    DeleteImageList();
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    HIMAGELIST list = std::exchange(m_hImageList, nullptr);
    return list && ::ImageList_Destroy(list);
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask)
{
    return m_hImageList ? ::ImageList_AddMasked(m_hImageList, bitmap, mask) : -1;
}

int CImageList::Replace(int index, HICON icon)
{
    return m_hImageList ? ::ImageList_ReplaceIcon(m_hImageList, index, icon) : -1;
}

HICON CImageList::ExtractIcon(int index) const
{
    return m_hImageList ? ::ImageList_GetIcon(m_hImageList, index, ILD_NORMAL) : nullptr;
}

BOOL CImageList::Draw(HDC dc, int index, POINT at, UINT style) const
{
    return m_hImageList && ::ImageList_Draw(m_hImageList, index, dc, at.x, at.y, style);
}
