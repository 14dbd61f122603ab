#pragma once
#include <windows.h>

#include "framework/MenuView.h"

// Owns a menu handle (DestroyMenu in the destructor). As a MenuView it
// offers the menu's operations; a submenu or the system menu is handed out
// as a MenuView, never owned.
//
// While it owns a handle the object is registered for it, so that an owner
// window's WM_DRAWITEM and WM_MEASUREITEM for the menu's owner-drawn items
// reach DrawItem and MeasureItem of the object registered for the popup.
// Registered like a window, it is neither copied nor moved (a move through
// the base would leave a derived menu's drawing behind): Detach and Attach
// hand a handle on.
class CMenu : public MenuView {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Takes ownership; the menu owned so far is destroyed first, by Destroy.
    BOOL Attach(HMENU newMenu);
    HMENU Detach();
    virtual BOOL Destroy();
    // name may be an integer resource (MAKEINTRESOURCE), from the resource
    // module; the menu owned so far is destroyed first.
    virtual BOOL LoadMenu(const wchar_t* name);
    virtual BOOL LoadMenu(UINT id);

    // An owner-drawn item of this menu; both do nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);

    // The object that owns the handle, or null.
    static CMenu* FromHandlePermanent(HMENU menu);
    // Hands a WM_DRAWITEM or WM_MEASUREITEM of a menu item to the menu
    // object registered for the item's menu; false when none takes it.
    // Windows route their menus' items here once a menu object exists.
    static bool DispatchOwnerDraw(HWND owner, UINT message, LPARAM lParam);

private:
    void Register();
    void Unregister();
};
