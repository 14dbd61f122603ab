#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

class CArchive;

// Header control wrapper. DrawItem runs for owner-drawn items: the header's
// parent reflects WM_DRAWITEM back to it.
class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const;
    BOOL GetItem(int index, HDITEMW* item) const;
    BOOL SetItem(int index, const HDITEMW* item);

    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);
    virtual void Serialize(CArchive& archive);

    DECLARE_MESSAGE_MAP()
};
