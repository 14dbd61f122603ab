#include "framework/Menu.h"

#include <utility>

#include "framework/CodePage.h"
#include "framework/Wnd.h"

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu::CMenu(CMenu&& other) noexcept : m_hMenu(std::exchange(other.m_hMenu, nullptr))
{
}

CMenu& CMenu::operator=(CMenu&& other) noexcept
{
    if (this != &other) {
        DestroyMenu();
        m_hMenu = std::exchange(other.m_hMenu, nullptr);
    }
    return *this;
}

BOOL CMenu::CreatePopupMenu()
{
    return !m_hMenu && Attach(::CreatePopupMenu());
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !menu)
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    return std::exchange(m_hMenu, nullptr);
}

BOOL CMenu::DestroyMenu()
{
    HMENU menu = Detach();
    return menu && ::DestroyMenu(menu);
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text)
{
    std::wstring wide = MultiByteToWide(text);
    bool hasText = (flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) == 0;
    return ::AppendMenuW(m_hMenu, flags, id, hasText ? wide.c_str() : nullptr);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner->GetSafeHwnd(), nullptr);
}
