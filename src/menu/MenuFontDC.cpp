#include "menu/MenuFontDC.h"

#include "framework/ModuleState.h"

CFont MenuFontDC::MenuFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    CFont font;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font.CreateFontIndirect(&metrics.lfMenuFont);
    return font;
}

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
    if (!dc.GetSafeHandle() ||
        !::GetTextExtentPoint32W(dc.GetSafeHandle(), text.c_str(), static_cast<int>(text.size()), &extent))
        return 0;
    return extent.cx;
}

HWND MenuFontDC::ReferenceWindow()
{
    HWND main = AfxGetMainHwnd();
    return main ? main : ::GetDesktopWindow();
}
