#pragma once
#include <functional>

#include <windows.h>

// While alive, the next window created on this thread is handed to bind
// before it receives its first message (a CBT hook: CreateWindowEx and
// CreateDialog give no earlier chance).
class WindowCreationHook {
public:
    explicit WindowCreationHook(std::function<void(HWND)> bind);
    ~WindowCreationHook();
    WindowCreationHook(const WindowCreationHook&) = delete;
    WindowCreationHook& operator=(const WindowCreationHook&) = delete;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> bind;
    HHOOK hook;
    WindowCreationHook* outerPending;
};
