#include "framework/MemDC.h"

CMemDC::CMemDC(HDC compatibleWith)
{
    CreateCompatibleDC(compatibleWith);
}
