#include "framework/MemDC.h"

CMemDC::CMemDC(HDC compatibleWith) : CDC(::CreateCompatibleDC(compatibleWith))
{
}

CMemDC::~CMemDC()
{
    if (m_hDC)
        ::DeleteDC(m_hDC);
}

CMemDC::CMemDC(CMemDC&& other) noexcept : CDC(other.Detach())
{
}

CMemDC& CMemDC::operator=(CMemDC&& other) noexcept
{
    if (this != &other) {
        if (m_hDC)
            ::DeleteDC(m_hDC);
        m_hDC = other.Detach();
    }
    return *this;
}
