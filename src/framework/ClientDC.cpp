#include "framework/ClientDC.h"

CClientDC::CClientDC(HWND hwnd) : CDC(::GetDC(hwnd)), hwnd(hwnd)
{
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(hwnd, m_hDC);
}
