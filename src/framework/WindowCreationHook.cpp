#include "framework/WindowCreationHook.h"

#include <utility>

#include "framework/Trace.h"

namespace {

thread_local WindowCreationHook* pendingHook = nullptr;

// With an input method active, the thread's IME windows may be created
// before the window being waited for; they are not ours.
bool IsImeWindow(HWND hwnd)
{
    wchar_t name[32] = {};
    ::GetClassNameW(hwnd, name, 32);
    return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

}  // namespace

WindowCreationHook::WindowCreationHook(std::function<void(HWND)> bind)
    : bind(std::move(bind)), hook(::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId())),
      outerPending(pendingHook)
{
    pendingHook = this;
}

WindowCreationHook::~WindowCreationHook()
{
    pendingHook = outerPending;
    if (hook)
        ::UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK WindowCreationHook::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && pendingHook && !IsImeWindow(reinterpret_cast<HWND>(wParam))) {
        WindowCreationHook* taken = std::exchange(pendingHook, nullptr);
        try {
            taken->bind(reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // A hook is a platform callback: nothing may unwind through it.
            AfxTraceCaught("window creation hook");
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
