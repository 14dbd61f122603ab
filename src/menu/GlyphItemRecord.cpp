#include "menu/GlyphItemRecord.h"

#include "framework/CodePage.h"

void GlyphItemRecord::SetText(const char* text)
{
    if (text)
        menuText = MultiByteToWide(text);
    else
        menuText.reset();
}

void GlyphItemRecord::SetText(const wchar_t* text)
{
    if (text)
        menuText = std::wstring(text);
    else
        menuText.reset();
}

std::string GlyphItemRecord::GetText() const
{
    return menuText ? WideToMultiByte(*menuText) : std::string();
}
