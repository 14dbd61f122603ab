#pragma once
#include <string>

#include <windows.h>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate);
    // A tool covering the whole of tool; text is code page 936.
    BOOL AddTool(WndView tool, const std::string& text);
    void RelayEvent(MSG* msg);
    void SetTipTextColor(COLORREF color);
    void SetDelayTime(DWORD duration, int time);
};
