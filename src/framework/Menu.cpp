#include "framework/Menu.h"

#include <utility>

CMenu::~CMenu()
{
    Destroy();
}

CMenu::CMenu(CMenu&& other) noexcept : MenuView(other.Detach())
{
}

CMenu& CMenu::operator=(CMenu&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

BOOL CMenu::CreatePopupMenu()
{
    HMENU created = ::CreatePopupMenu();
    Attach(created);
    return created != nullptr;
}

void CMenu::Attach(HMENU newMenu)
{
    Destroy();
    menu = newMenu;
}

HMENU CMenu::Detach()
{
    return std::exchange(menu, nullptr);
}

BOOL CMenu::Destroy()
{
    HMENU old = Detach();
    return old && ::DestroyMenu(old);
}
