#pragma once
#include <windows.h>

#include "framework/Wnd.h"

// Button wrapper. DrawItem runs for an owner-drawn button: the parent
// reflects WM_DRAWITEM back to it.
class CButton : public CWnd {
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

    DECLARE_MESSAGE_MAP()
};
