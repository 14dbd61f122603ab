#include "framework/Bitmap.h"

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    return Replace(::CreateCompatibleBitmap(dc, width, height));
}
