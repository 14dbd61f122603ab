#pragma once
#include <string>

#include <windows.h>

#include "framework/UniqueHandle.h"

class WndView;

// Non-owning view of a menu, such as a submenu or the system menu, which
// are not the holder's to destroy. CMenu owns its menu and is a view too.
class MenuView : public HandleView<HMENU> {
public:
    using HandleView::HandleView;

    // text is code page 936.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = std::string()) const;
    // An owner-drawn item (MF_OWNERDRAW) with its item data.
    BOOL AppendMenu(UINT flags, UINT_PTR id, ULONG_PTR itemData) const;
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR id, const std::string& text) const;
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR id, ULONG_PTR itemData) const;
    // Takes the item out; a submenu it opened is not destroyed.
    BOOL RemoveMenu(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    // Code page 936; empty for an item without a string.
    std::string GetMenuString(UINT item, UINT flags) const;
    MenuView GetSubMenu(int position) const;
    // With TPM_RETURNCMD the result is the command chosen, 0 for none.
    BOOL TrackPopupMenu(UINT flags, int x, int y, WndView owner) const;
    // The menu a TrackPopupMenu call of this thread shows, or null.
    static HMENU TrackedMenu();
};
