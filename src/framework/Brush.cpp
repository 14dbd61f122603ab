#include "framework/Brush.h"

CBrush::CBrush(COLORREF color)
{
    CreateSolidBrush(color);
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}
