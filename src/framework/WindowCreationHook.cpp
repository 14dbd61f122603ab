#include "framework/WindowCreationHook.h"

#include "framework/Wnd.h"

namespace {
thread_local CWnd* pendingWnd = nullptr;
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
    if (code == HCBT_CREATEWND && pendingWnd) {
        CWnd* wnd = pendingWnd;
        pendingWnd = nullptr;
        try {
            wnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // A hook is a platform callback: nothing may unwind through it.
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
