#include "framework/Pen.h"

CPen::CPen(int style, int width, COLORREF color)
{
    CreatePen(style, width, color);
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    return Attach(::CreatePen(style, width, color));
}
