#include "framework/DataExchange.h"

#include "framework/Wnd.h"

HWND CDataExchange::PrepareCtrl(int id) const
{
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (!control)
        throw Failure("no dialog control " + std::to_string(id));
    return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& ctrl)
{
    if (ctrl.GetSafeHwnd())
        return;
    if (!ctrl.SubclassWindow(dx->PrepareCtrl(id)))
        throw CDataExchange::Failure("cannot subclass dialog control " + std::to_string(id));
}

void DDX_Text(CDataExchange* dx, int id, std::string& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = WndView(control).GetWindowText();
    else
        WndView(control).SetWindowText(value);
}
