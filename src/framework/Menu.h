#pragma once
#include <string>

#include <windows.h>

class CWnd;

// Owns a menu handle (DestroyMenu in the destructor). HMENU is the
// non-owning view; Detach hands a menu such as the system menu back
// without destroying it.
class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(CMenu&& other) noexcept;
    CMenu& operator=(CMenu&& other) noexcept;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL CreatePopupMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();

    // text is code page 936.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string());
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const;
};
