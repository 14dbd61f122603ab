#pragma once
#include <string>

#include <windows.h>

class WndView;

// Non-owning view of a menu, such as a submenu or the system menu, which
// are not the holder's to destroy. CMenu owns its menu and is a view too.
class MenuView {
public:
    MenuView() = default;
    explicit MenuView(HMENU menu) : menu(menu) {}

    HMENU GetSafeHandle() const { return menu; }
    explicit operator bool() const { return menu != nullptr; }

    // text is code page 936.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string()) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    MenuView GetSubMenu(int position) const;
    // With TPM_RETURNCMD the result is the command chosen, 0 for none.
    BOOL TrackPopupMenu(UINT flags, int x, int y, WndView owner) const;

protected:
    HMENU menu = nullptr;
};
