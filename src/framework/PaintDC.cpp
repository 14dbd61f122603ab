#include "framework/PaintDC.h"

CPaintDC::CPaintDC(HWND hwnd) : hwnd(hwnd)
{
    m_hDC = ::BeginPaint(hwnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(hwnd, &m_ps);
}
