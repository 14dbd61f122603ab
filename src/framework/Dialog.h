#pragma once
#include <windows.h>

#include "framework/Wnd.h"

class CDataExchange;

// A dialog from a template resource (of the resource module) or an
// in-memory template. DoModal runs the framework's own modal loop so that
// PreTranslateMessage sees every message for the dialog and its controls
// before IsDialogMessage does. Without a parent, a dialog belongs to the
// main window unless it is the main window.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    // The template must outlive the dialog window.
    explicit CDialog(const DLGTEMPLATE* dialogTemplate, CWnd* parent = nullptr);

    // Creates the dialog modeless.
    BOOL Create();
    int DoModal();
    void EndDialog(int result);

    BOOL PreTranslateMessage(MSG* msg) override;
    // Runs DoDataExchange: controls to members when saveAndValidate, else
    // members to controls. FALSE when a control is missing.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void OnSysColorChange();

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    HWND ParentHandle() const;
    void RunModalLoop();

    UINT templateId = 0;
    const DLGTEMPLATE* dialogTemplate = nullptr;
    CWnd* parentWnd;
    bool endModal = false;
    int modalResult = -1;
};
