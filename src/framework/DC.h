#pragma once
#include <string>

#include <windows.h>

// Non-owning view of a device context. CPaintDC, CClientDC and CMemDC own
// theirs.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}

    HDC m_hDC = nullptr;

    BOOL Attach(HDC dc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }

    int SaveDC();
    BOOL RestoreDC(int savedDC);
    // Prefer ScopedSelect, which also restores the previous object.
    HGDIOBJ SelectObject(HGDIOBJ object);
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    void FillRect(const RECT* rect, HBRUSH brush);
    // text is code page 936.
    int DrawText(const std::string& text, RECT* rect, UINT format);
    int DrawText(const std::wstring& text, RECT* rect, UINT format);
    COLORREF SetTextColor(COLORREF color);
    int SetBkMode(int mode);
};
