#pragma once
#include <string>

#include <windows.h>

// Non-owning view of a window: what code that only holds an HWND does with
// it. Pass it by value; CWnd, the owning window object, is one too, and only
// CWnd sets the handle (a view is never assigned over).
class WndView {
public:
    WndView() = default;
    // Any window handle is a view.
    WndView(HWND hwnd) : m_hWnd(hwnd) {}
    WndView(const WndView&) = default;
    WndView& operator=(const WndView&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    WndView GetParent() const;
    DWORD GetStyle() const;
    // Removes, then adds style bits; with swpFlags the frame is updated by SetWindowPos.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    // Asks for one WM_MOUSELEAVE when the pointer leaves the window.
    BOOL TrackMouseLeave() const;
    // Nothing without a window: a null window would repaint every window.
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) const;
    void Invalidate(BOOL erase = TRUE) const { InvalidateRect(nullptr, erase); }
    HWND SetFocus() const;
    HWND SetCapture() const;
    HFONT GetFont() const;
    // The icon stays the caller's, who keeps it while the window shows it;
    // the answer is the icon it replaces.
    HICON SetIcon(HICON icon, BOOL bigIcon) const;
    BOOL ShowWindow(int showCommand) const;
    // Window text as code page 936.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const;

private:
    friend class CWnd;

    HWND m_hWnd = nullptr;
};
