#include "framework/DC.h"

BOOL CDC::CreateCompatibleDC(HDC compatibleWith)
{
    return Attach(::CreateCompatibleDC(compatibleWith));
}
