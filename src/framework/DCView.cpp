#include "framework/DCView.h"

#include "framework/CodePage.h"

int DCView::SaveDC() const
{
    return ::SaveDC(handle);
}

BOOL DCView::RestoreDC(int savedDC) const
{
    return ::RestoreDC(handle, savedDC);
}

HGDIOBJ DCView::SelectObject(HGDIOBJ object) const
{
    return ::SelectObject(handle, object);
}

POINT DCView::MoveTo(int x, int y) const
{
    POINT previous{};
    ::MoveToEx(handle, x, y, &previous);
    return previous;
}

BOOL DCView::LineTo(int x, int y) const
{
    return ::LineTo(handle, x, y);
}

void DCView::FillRect(const RECT* rect, HBRUSH brush) const
{
    ::FillRect(handle, rect, brush);
}

void DCView::FrameRect(const RECT* rect, HBRUSH brush) const
{
    ::FrameRect(handle, rect, brush);
}

// Four one-pixel bars filled with the background colour, as ExtTextOut
// draws them; no brush or pen is made.
void DCView::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) const
{
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    auto bar = [this](int x, int y, int w, int h, COLORREF color) {
        RECT r{x, y, x + w, y + h};
        COLORREF old = ::SetBkColor(handle, color);
        ::ExtTextOutW(handle, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
        ::SetBkColor(handle, old);
    };
    bar(rect->left, rect->top, width - 1, 1, topLeft);
    bar(rect->left, rect->top, 1, height - 1, topLeft);
    bar(rect->right - 1, rect->top, 1, height, bottomRight);
    bar(rect->left, rect->bottom - 1, width, 1, bottomRight);
}

void DCView::DrawFocusRect(const RECT* rect) const
{
    ::DrawFocusRect(handle, rect);
}

void DCView::FillSolidRect(const RECT* rect, COLORREF color) const
{
    COLORREF old = ::SetBkColor(handle, color);
    ::ExtTextOutW(handle, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(handle, old);
}

BOOL DCView::DrawEdge(RECT* rect, UINT edge, UINT flags) const
{
    return ::DrawEdge(handle, rect, edge, flags);
}

BOOL DCView::Ellipse(int left, int top, int right, int bottom) const
{
    return ::Ellipse(handle, left, top, right, bottom);
}

POINT DCView::SetWindowOrg(int x, int y) const
{
    POINT previous{};
    ::SetWindowOrgEx(handle, x, y, &previous);
    return previous;
}

BOOL DCView::BitBlt(int x, int y, int width, int height, DCView source, int sourceX, int sourceY, DWORD rop) const
{
    return ::BitBlt(handle, x, y, width, height, source.GetSafeHandle(), sourceX, sourceY, rop);
}

COLORREF DCView::GetPixel(int x, int y) const
{
    return ::GetPixel(handle, x, y);
}

COLORREF DCView::SetPixel(int x, int y, COLORREF color) const
{
    return ::SetPixel(handle, x, y, color);
}

BOOL DCView::DrawState(POINT at, SIZE size, HICON icon, UINT flags) const
{
    return ::DrawStateW(handle, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, at.x, at.y, size.cx, size.cy,
                        flags);
}

BOOL DCView::DrawState(POINT at, SIZE size, HBITMAP bitmap, UINT flags) const
{
    return ::DrawStateW(handle, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, at.x, at.y, size.cx, size.cy,
                        flags);
}

int DCView::DrawText(const std::string& text, RECT* rect, UINT format) const
{
    return DrawText(MultiByteToWide(text), rect, format);
}

int DCView::DrawText(const std::wstring& text, RECT* rect, UINT format) const
{
    return ::DrawTextW(handle, text.c_str(), static_cast<int>(text.size()), rect, format);
}

COLORREF DCView::SetTextColor(COLORREF color) const
{
    return ::SetTextColor(handle, color);
}

COLORREF DCView::SetBkColor(COLORREF color) const
{
    return ::SetBkColor(handle, color);
}

int DCView::SetBkMode(int mode) const
{
    return ::SetBkMode(handle, mode);
}
