#include "framework/Menu.h"

#include <unordered_map>
#include <utility>

#include "framework/ModuleState.h"
#include "framework/Wnd.h"

namespace {

// UI thread only, like the menus.
std::unordered_map<HMENU, CMenu*>& HandleMap()
{
    static std::unordered_map<HMENU, CMenu*> map;
    return map;
}

ULONG_PTR ItemData(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    return ::GetMenuItemInfoW(menu, position, TRUE, &info) ? info.dwItemData : 0;
}

// The menu, among root and its submenus, that holds an item with this data.
HMENU LevelOfItem(HMENU root, ULONG_PTR itemData)
{
    const int count = root ? ::GetMenuItemCount(root) : 0;
    for (int position = 0; position < count; ++position) {
        if (ItemData(root, position) == itemData)
            return root;
        if (HMENU found = LevelOfItem(::GetSubMenu(root, position), itemData))
            return found;
    }
    return nullptr;
}

bool DrawMenuItem(LPARAM lParam)
{
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    CMenu* menu =
        item->CtlType == ODT_MENU ? CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem)) : nullptr;
    if (menu)
        menu->DrawItem(item);
    return menu != nullptr;
}

// A measure request names no menu: it is the tracked popup's or the
// window's menu bar's, or one of their submenus'.
bool MeasureMenuItem(HWND owner, LPARAM lParam)
{
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item->CtlType != ODT_MENU)
        return false;
    HMENU level = LevelOfItem(MenuView::TrackedMenu(), item->itemData);
    if (!level && owner)
        level = LevelOfItem(::GetMenu(owner), item->itemData);
    CMenu* menu = CMenu::FromHandlePermanent(level);
    if (menu)
        menu->MeasureItem(item);
    return menu != nullptr;
}

}  // namespace

CMenu::~CMenu()
{
    CMenu::Destroy();
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::Attach(HMENU newMenu)
{
    // An empty object has nothing to free: a derived menu's settings stay.
    if (handle)
        Destroy();
    handle = newMenu;
    Register();
    return newMenu != nullptr;
}

HMENU CMenu::Detach()
{
    Unregister();
    return std::exchange(handle, nullptr);
}

BOOL CMenu::Destroy()
{
    HMENU old = Detach();
    return old && ::DestroyMenu(old);
}

BOOL CMenu::LoadMenu(const wchar_t* name)
{
    return Attach(::LoadMenuW(AfxGetResourceHandle(), name));
}

BOOL CMenu::LoadMenu(UINT id)
{
    return LoadMenu(MAKEINTRESOURCEW(id & 0xFFFF));
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    auto found = menu ? HandleMap().find(menu) : HandleMap().end();
    return found == HandleMap().end() ? nullptr : found->second;
}

bool CMenu::DispatchOwnerDraw(HWND owner, UINT message, LPARAM lParam)
{
    if (message == WM_DRAWITEM)
        return DrawMenuItem(lParam);
    return message == WM_MEASUREITEM && MeasureMenuItem(owner, lParam);
}

void CMenu::Register()
{
    if (!handle)
        return;
    HandleMap()[handle] = this;
    CWnd::SetOwnerDrawRoute(&DispatchOwnerDraw);
}

void CMenu::Unregister()
{
    auto found = handle ? HandleMap().find(handle) : HandleMap().end();
    if (found != HandleMap().end() && found->second == this)
        HandleMap().erase(found);
}
