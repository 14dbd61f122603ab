#include "framework/HeaderCtrl.h"

BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

int CHeaderCtrl::GetItemCount() const
{
    return static_cast<int>(SendMessage(HDM_GETITEMCOUNT));
}

BOOL CHeaderCtrl::GetItem(int index, HDITEMW* item) const
{
    return static_cast<BOOL>(SendMessage(HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CHeaderCtrl::SetItem(int index, const HDITEMW* item)
{
    return static_cast<BOOL>(SendMessage(HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CHeaderCtrl::Serialize(CArchive&)
{
}
