#pragma once
#include "framework/GdiObject.h"

class CFont : public CGdiObject<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
};
