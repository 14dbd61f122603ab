#pragma once
#include <functional>
#include <string>

#include <windows.h>

// Shows text (code page 936) in a message box captioned with the
// application's title; returns the button pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// An empty caption stands for the application's title.
int AfxShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// Test seam: while a hook is set, message boxes call it instead of showing
// anything and return its result. An empty function removes the hook.
using MessageBoxHook = std::function<int(const std::wstring& text, const std::wstring& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
