#include "framework/Font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    return Replace(::CreateFontIndirectW(logFont));
}
