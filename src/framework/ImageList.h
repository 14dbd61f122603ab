#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/IconHandle.h"
#include "framework/UniqueHandle.h"

// Owns an image list (ImageList_Destroy); HIMAGELIST is the view.
class CImageList : public UniqueHandle<HIMAGELIST, ::ImageList_Destroy> {
public:
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    int GetImageCount() const;
    // Each image is one image width of the bitmap; the answer is the first
    // new index, -1 on failure. The bitmap stays the caller's.
    int Add(HBITMAP bitmap, COLORREF mask);
    // index -1 appends; the icon stays the caller's.
    int Replace(int index, HICON icon);
    // A new icon of the image; none on failure.
    IconHandle ExtractIcon(int index) const;
    BOOL Draw(HDC dc, int index, POINT at, UINT style) const;
};
