#include "framework/Font.h"

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont)
{
    return Attach(::CreateFontIndirectW(logFont));
}
