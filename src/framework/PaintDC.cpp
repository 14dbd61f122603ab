#include "framework/PaintDC.h"

CPaintDC::CPaintDC(HWND hwnd) : hwnd(hwnd)
{
    handle = ::BeginPaint(hwnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(hwnd, &m_ps);
}
