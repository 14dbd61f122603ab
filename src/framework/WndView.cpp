#include "framework/WndView.h"

#include <commctrl.h>

#include "framework/CodePage.h"

LRESULT WndView::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL WndView::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

HWND WndView::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

int WndView::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

WndView WndView::GetParent() const
{
    return ::GetParent(m_hWnd);
}

DWORD WndView::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

BOOL WndView::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

void WndView::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void WndView::GetWindowRect(RECT* rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void WndView::ClientToScreen(POINT* point) const
{
    ::ClientToScreen(m_hWnd, point);
}

BOOL WndView::TrackMouseLeave() const
{
    // The record's own size: the 32-bit one is refused on x86_64.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    return ::_TrackMouseEvent(&track);
}

void WndView::InvalidateRect(const RECT* rect, BOOL erase) const
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, rect, erase);
}

HWND WndView::SetFocus() const
{
    return ::SetFocus(m_hWnd);
}

HWND WndView::SetCapture() const
{
    return ::SetCapture(m_hWnd);
}

HFONT WndView::GetFont() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HICON WndView::SetIcon(HICON icon, BOOL bigIcon) const
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL WndView::ShowWindow(int showCommand) const
{
    return ::ShowWindow(m_hWnd, showCommand);
}

std::string WndView::GetWindowText() const
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return WideToMultiByte(text);
}

void WndView::SetWindowText(const std::string& text) const
{
    ::SetWindowTextW(m_hWnd, MultiByteToWide(text).c_str());
}
