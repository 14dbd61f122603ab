#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/ModuleState.h"
#include "framework/WindowCreationHook.h"

namespace {

// The thunk is the dialog's window procedure and handles everything,
// WM_INITDIALOG included; DefDlgProc still wants a dialog procedure.
INT_PTR CALLBACK EmptyDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

bool IsInputMessage(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

BOOL CALLBACK PassSysColorChange(HWND child, LPARAM)
{
    ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId(templateId), parentWnd(parent)
{
}

CDialog::CDialog(const DLGTEMPLATE* dialogTemplate, CWnd* parent) : dialogTemplate(dialogTemplate), parentWnd(parent)
{
}

BOOL CDialog::Create()
{
    HINSTANCE instance = AfxGetResourceHandle();
    WindowCreationHook hook([this](HWND created) { SubclassWindow(created); });
    HWND hwnd = dialogTemplate
                    ? ::CreateDialogIndirectParamW(instance, dialogTemplate, ParentHandle(), &EmptyDialogProc, 0)
                    : ::CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), ParentHandle(), &EmptyDialogProc, 0);
    return hwnd != nullptr;
}

int CDialog::DoModal()
{
    HWND owner = ParentHandle();
    if (owner)
        ::EnableWindow(owner, FALSE);
    endModal = false;
    modalResult = -1;
    if (Create()) {
        RunModalLoop();
        // Enable the owner before the dialog goes, so activation returns to it.
        if (owner)
            ::EnableWindow(owner, TRUE);
        DestroyWindow();
    } else if (owner) {
        ::EnableWindow(owner, TRUE);
    }
    return modalResult;
}

void CDialog::EndDialog(int result)
{
    modalResult = result;
    endModal = true;
    PostMessage(WM_NULL);  // wakes the loop from GetMessage
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    return IsInputMessage(msg->message) && ::IsDialogMessageW(GetSafeHwnd(), msg);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// The platform tells top-level windows only; controls that cache system
// colours learn it from their dialog.
void CDialog::OnSysColorChange()
{
    Default();
    ::EnumChildWindows(GetSafeHwnd(), &PassSysColorChange, 0);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

HWND CDialog::ParentHandle() const
{
    if (parentWnd)
        return parentWnd->GetSafeHwnd();
    return AfxGetMainWnd() != this ? AfxGetMainHwnd() : nullptr;
}

void CDialog::RunModalLoop()
{
    if (!::IsWindowVisible(GetSafeHwnd()))
        ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (!endModal && GetSafeHwnd()) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        if (!WalkPreTranslateTree(GetSafeHwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
