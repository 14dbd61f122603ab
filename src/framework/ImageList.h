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
    CImageList(CImageList&& other) noexcept : handle(other.Detach()) {}
    CImageList& operator=(CImageList&& other) noexcept;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST GetSafeHandle() const { return handle; }
    // Takes ownership, destroying the list owned so far.
    void Attach(HIMAGELIST list);
    HIMAGELIST Detach() { return std::exchange(handle, nullptr); }
    BOOL Destroy();

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    int GetImageCount() const;
    // Each image is one image width of the bitmap; the answer is the first
    // new index, -1 on failure. The bitmap stays the caller's.
    int Add(HBITMAP bitmap, COLORREF mask);
    // index -1 appends; the icon stays the caller's.
    int Replace(int index, HICON icon);
    // A new icon of the image, the caller's to destroy; null on failure.
    HICON ExtractIcon(int index) const;
    BOOL Draw(HDC dc, int index, POINT at, UINT style) const;

private:
    HIMAGELIST handle = nullptr;
};
