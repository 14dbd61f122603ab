#include "framework/ClientDC.h"

CClientDC::CClientDC(HWND hwnd) : DCView(::GetDC(hwnd)), hwnd(hwnd)
{
}

CClientDC::~CClientDC()
{
    if (handle)
        ::ReleaseDC(hwnd, handle);
}
