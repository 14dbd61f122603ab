#pragma once
#include <utility>

#include <windows.h>
#include <commctrl.h>

// Owns an image list (ImageList_Destroy in the destructor); HIMAGELIST is
// the non-owning view.
class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(CImageList&& other) noexcept : m_hImageList(std::exchange(other.m_hImageList, nullptr)) {}
    CImageList& operator=(CImageList&& other) noexcept;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    int GetImageCount() const;
    // Each image is one image width of the bitmap; the answer is the first
    // new index, -1 on failure. The bitmap stays the caller's.
    int Add(HBITMAP bitmap, COLORREF mask);
    // index -1 appends; the icon stays the caller's.
    int Replace(int index, HICON icon);
    // A new icon of the image, the caller's to destroy; null on failure.
    HICON ExtractIcon(int index) const;
    BOOL Draw(HDC dc, int index, POINT at, UINT style) const;
};
