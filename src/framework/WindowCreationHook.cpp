#include "framework/WindowCreationHook.h"

#include "framework/Trace.h"
#include "framework/Wnd.h"

namespace {

thread_local CWnd* pendingWnd = nullptr;

// With an input method active, the thread's IME windows may be created
// before the window being waited for; they are not ours.
bool IsImeWindow(HWND hwnd)
{
    wchar_t name[32] = {};
    ::GetClassNameW(hwnd, name, 32);
    return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

}

WindowCreationHook::WindowCreationHook(CWnd& wnd)
    : hook(::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId())), outerPending(pendingWnd)
{
    pendingWnd = &wnd;
}

WindowCreationHook::~WindowCreationHook()
{
    pendingWnd = outerPending;
    if (hook)
        ::UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK WindowCreationHook::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && pendingWnd && !IsImeWindow(reinterpret_cast<HWND>(wParam))) {
        CWnd* wnd = pendingWnd;
        pendingWnd = nullptr;
        try {
            wnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // A hook is a platform callback: nothing may unwind through it.
            AfxTraceCaught("window creation hook");
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
