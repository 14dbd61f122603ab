#include "GuiResources.h"

#include <windows.h>

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<unsigned long*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND hwnd, LPARAM count)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<unsigned long*>(count);
        ::EnumChildWindows(hwnd, CountChild, count);
    }
    return TRUE;
}

}

unsigned long LiveGdiObjects()
{
    DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported)
        return reported;
    // Wine identifies a GDI object by the low word of its handle.
    unsigned long count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        count += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) ? 1 : 0;
    return count;
}

unsigned long LiveGdiObjectsBesideCaret()
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    const bool caret = ::GetGUIThreadInfo(::GetCurrentThreadId(), &thread) && thread.hwndCaret;
    return LiveGdiObjects() - (caret ? 1 : 0);
}

unsigned long LiveWindows()
{
    unsigned long count = 0;
    ::EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

unsigned long LiveMenus()
{
    // Wine takes a handle of a bare index as the object at that index.
    unsigned long count = 0;
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        count += ::IsMenu(reinterpret_cast<HMENU>(index)) ? 1 : 0;
    return count;
}
