#include "framework/MenuView.h"

#include "framework/CodePage.h"
#include "framework/WndView.h"

BOOL MenuView::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) const
{
    std::wstring wide = MultiByteToWide(text);
    bool hasText = (flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) == 0;
    return ::AppendMenuW(menu, flags, id, hasText ? wide.c_str() : nullptr);
}

int MenuView::GetMenuItemCount() const
{
    return ::GetMenuItemCount(menu);
}

UINT MenuView::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(menu, position);
}

MenuView MenuView::GetSubMenu(int position) const
{
    return MenuView(::GetSubMenu(menu, position));
}

BOOL MenuView::TrackPopupMenu(UINT flags, int x, int y, WndView owner) const
{
    return ::TrackPopupMenu(menu, flags, x, y, 0, owner.GetSafeHwnd(), nullptr);
}
