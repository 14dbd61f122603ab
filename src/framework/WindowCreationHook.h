#pragma once
#include <windows.h>

class CWnd;

// While alive, the next window created on this thread is bound to wnd and
// subclassed with the thunk before it receives its first message (a CBT
// hook: CreateWindowEx and CreateDialog give no earlier chance).
class WindowCreationHook {
public:
    explicit WindowCreationHook(CWnd& wnd);
    ~WindowCreationHook();
    WindowCreationHook(const WindowCreationHook&) = delete;
    WindowCreationHook& operator=(const WindowCreationHook&) = delete;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook;
    CWnd* outerPending;
};
