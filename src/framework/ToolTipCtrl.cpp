#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

#include "framework/CodePage.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, rect, parent->GetSafeHwnd(), 0);
}

void CToolTipCtrl::Activate(BOOL activate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

BOOL CToolTipCtrl::AddTool(WndView tool, const std::string& text)
{
    std::wstring wide = MultiByteToWide(text);
    TOOLINFOW info{};
    // The full TOOLINFOW of newer headers is refused by comctl32 5; the
    // version-2 size is accepted by every version.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    // No TTF_SUBCLASS: the owner relays the mouse messages (RelayEvent).
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetWindow(GetSafeHwnd(), GW_OWNER);
    info.uId = reinterpret_cast<UINT_PTR>(tool.GetSafeHwnd());
    info.lpszText = wide.data();
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::RelayEvent(MSG* msg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::SetTipTextColor(COLORREF color)
{
    SendMessage(TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(color));
}

void CToolTipCtrl::SetDelayTime(DWORD duration, int time)
{
    SendMessage(TTM_SETDELAYTIME, static_cast<WPARAM>(duration), MAKELPARAM(time, 0));
}
