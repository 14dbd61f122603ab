#include "framework/MenuView.h"

#include <utility>

#include "framework/CodePage.h"
#include "framework/WndView.h"

BOOL MenuView::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) const
{
    std::wstring wide = MultiByteToWide(text);
    bool hasText = (flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) == 0;
    return ::AppendMenuW(handle, flags, id, hasText ? wide.c_str() : nullptr);
}

int MenuView::GetMenuItemCount() const
{
    return ::GetMenuItemCount(handle);
}

UINT MenuView::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(handle, position);
}

MenuView MenuView::GetSubMenu(int position) const
{
    return MenuView(::GetSubMenu(handle, position));
}

BOOL MenuView::AppendMenu(UINT flags, UINT_PTR id, ULONG_PTR itemData) const
{
    return ::AppendMenuW(handle, flags, id, reinterpret_cast<const wchar_t*>(itemData));
}

BOOL MenuView::ModifyMenu(UINT item, UINT flags, UINT_PTR id, const std::string& text) const
{
    std::wstring wide = MultiByteToWide(text);
    return ::ModifyMenuW(handle, item, flags, id, wide.c_str());
}

BOOL MenuView::ModifyMenu(UINT item, UINT flags, UINT_PTR id, ULONG_PTR itemData) const
{
    return ::ModifyMenuW(handle, item, flags, id, reinterpret_cast<const wchar_t*>(itemData));
}

BOOL MenuView::RemoveMenu(UINT item, UINT flags) const
{
    return ::RemoveMenu(handle, item, flags);
}

UINT MenuView::GetMenuState(UINT item, UINT flags) const
{
    return ::GetMenuState(handle, item, flags);
}

std::string MenuView::GetMenuString(UINT item, UINT flags) const
{
    int length = ::GetMenuStringW(handle, item, nullptr, 0, flags);
    if (length <= 0)
        return std::string();
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetMenuStringW(handle, item, text.data(), length + 1, flags)));
    return WideToMultiByte(text);
}

namespace {

HMENU trackedMenu = nullptr;

}  // namespace

BOOL MenuView::TrackPopupMenu(UINT flags, int x, int y, WndView owner) const
{
    HMENU outer = std::exchange(trackedMenu, handle);
    BOOL result = ::TrackPopupMenu(handle, flags, x, y, 0, owner.GetSafeHwnd(), nullptr);
    trackedMenu = outer;
    return result;
}

HMENU MenuView::TrackedMenu()
{
    return trackedMenu;
}
