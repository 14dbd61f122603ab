#pragma once
#include <string>

#include <windows.h>

#include "framework/UniqueHandle.h"

// Non-owning view of a device context with the drawing operations; code
// that only draws takes one. Copy it freely. The owning contexts (CDC,
// CMemDC, CPaintDC, CClientDC) are views too.
class DCView : public HandleView<HDC> {
public:
    using HandleView::HandleView;

    int SaveDC() const;
    BOOL RestoreDC(int savedDC) const;
    // Prefer ScopedSelect, which also restores the previous object.
    HGDIOBJ SelectObject(HGDIOBJ object) const;
    POINT MoveTo(int x, int y) const;
    BOOL LineTo(int x, int y) const;
    void FillRect(const RECT* rect, HBRUSH brush) const;
    void FrameRect(const RECT* rect, HBRUSH brush) const;
    // A one-pixel frame: topLeft on the top and left edges, bottomRight on the others.
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) const;
    void DrawFocusRect(const RECT* rect) const;
    // A plain fill that makes no brush.
    void FillSolidRect(const RECT* rect, COLORREF color) const;
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags) const;
    BOOL Ellipse(int left, int top, int right, int bottom) const;
    POINT SetWindowOrg(int x, int y) const;
    BOOL BitBlt(int x, int y, int width, int height, DCView source, int sourceX, int sourceY, DWORD rop) const;
    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF color) const;
    // flags: DST_ICON or DST_BITMAP with DSS_*; with no brush.
    BOOL DrawState(POINT at, SIZE size, HICON icon, UINT flags) const;
    BOOL DrawState(POINT at, SIZE size, HBITMAP bitmap, UINT flags) const;
    // text is code page 936.
    int DrawText(const std::string& text, RECT* rect, UINT format) const;
    int DrawText(const std::wstring& text, RECT* rect, UINT format) const;
    COLORREF SetTextColor(COLORREF color) const;
    COLORREF SetBkColor(COLORREF color) const;
    int SetBkMode(int mode) const;
};
