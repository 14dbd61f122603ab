#pragma once
#include <string>

#include <windows.h>

class WndView;

// What the framework's parts need to know of the program, which the
// application fills in: the module its resources come from and its main
// window. Until then the resources are the program's own module's and there
// is no main window.

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// The main window object, which need not have its window yet; null for none.
const WndView* AfxGetMainWnd();
void AfxSetMainWnd(const WndView* mainWindow);
// The main window's handle; null while there is none.
HWND AfxGetMainHwnd();

// The executable's path without its extension.
const std::wstring& AfxGetProgramStem();
// The program's title, the executable's base name: the caption of its
// message boxes.
const std::wstring& AfxGetAppName();
