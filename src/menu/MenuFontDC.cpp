#include "menu/MenuFontDC.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

CFont MenuFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    CFont font;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font.CreateFontIndirect(&metrics.lfMenuFont);
    return font;
}

}  // namespace

MenuFontDC::MenuFontDC(bool selectMenuFont) : dc(ReferenceWindow())
{
    if (selectMenuFont) {
        font = MenuFont();
        if (font.GetSafeHandle() && dc.GetSafeHandle())
            selection.emplace(dc.GetSafeHandle(), font.GetSafeHandle());
    }
}

int MenuFontDC::TextWidth(const std::wstring& text) const
{
    SIZE extent{};
    if (!dc.GetSafeHandle() || !::GetTextExtentPoint32W(dc.GetSafeHandle(), text.c_str(), static_cast<int>(text.size()), &extent))
        return 0;
    return extent.cx;
}

HWND MenuFontDC::ReferenceWindow()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
        return app->m_pMainWnd->GetSafeHwnd();
    return ::GetDesktopWindow();
}
