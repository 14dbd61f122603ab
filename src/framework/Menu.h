#pragma once
#include <windows.h>

#include "framework/MenuView.h"

// Owns a menu handle (DestroyMenu in the destructor); movable, not
// copyable. As a MenuView it offers the menu's operations; a submenu or the
// system menu is handed out as a MenuView, never owned.
class CMenu : public MenuView {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(CMenu&& other) noexcept;
    CMenu& operator=(CMenu&& other) noexcept;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreatePopupMenu();
    // Takes ownership; destroys the menu owned so far.
    void Attach(HMENU newMenu);
    HMENU Detach();
    BOOL Destroy();
};
