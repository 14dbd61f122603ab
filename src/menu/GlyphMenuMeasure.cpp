#include <algorithm>

#include "menu/GlyphMenu.h"
#include "menu/MenuFontDC.h"
#include "menu/PlatformLook.h"

namespace {

// Win32s measures with DrawText and widens by three pixels per character.
int Win32sTextWidth(HDC dc, const std::wstring& text)
{
    RECT rect{};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    int width = rect.right - rect.left + 3;
    if (!text.empty())
        width += 3 * (width / static_cast<int>(text.size()));
    return width;
}

int MenuTextWidth(const std::wstring& text)
{
    MenuFontDC dc(GlyphMenu::IsModernShell());
    if (GlyphMenu::windowsVersion == kWin32s)
        return Win32sTextWidth(dc.GetSafeHandle(), text);
    return dc.TextWidth(text);
}

}  // namespace

void GlyphMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    const auto* record = reinterpret_cast<const GlyphItemRecord*>(item->itemData);
    const int margin = IsFlatStyle() && flatGlyphVariants ? 7 : 4;
    const int menuHeight = ::GetSystemMetrics(SM_CYMENU);
    if (record && (record->flags & MF_SEPARATOR)) {
        item->itemWidth = 0;
        item->itemHeight = std::max((glyphHeight + margin) / 2, menuHeight / 2);
        return;
    }
    const int textWidth = MenuTextWidth(record ? record->GetWideText() : std::wstring());
    const int width = IsFlatStyle() ? textWidth + glyphWidth + margin + 8 : textWidth + 2 * glyphWidth + 1;
    item->itemWidth = static_cast<UINT>(width);
    item->itemHeight = static_cast<UINT>(std::max(glyphHeight + margin, menuHeight));
}
