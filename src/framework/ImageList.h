#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/UniqueHandle.h"

// Owns an image list (ImageList_Destroy in the destructor); HIMAGELIST is
// the non-owning view.
class CImageList {
public:
    HIMAGELIST GetSafeHandle() const { return list.GetSafeHandle(); }
    // Takes ownership, destroying the list owned so far.
    void Attach(HIMAGELIST other) { list.Attach(other); }
    HIMAGELIST Detach() { return list.Detach(); }
    BOOL Destroy() { return list.Destroy(); }

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
    UniqueHandle<HIMAGELIST, ::ImageList_Destroy> list;
};
