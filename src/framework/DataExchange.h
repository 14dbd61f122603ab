#pragma once
#include <stdexcept>
#include <string>

#include <windows.h>

class CWnd;

// One run of CDialog::DoDataExchange: members to controls (load) or controls
// to members (save and validate).
class CDataExchange {
public:
    // Thrown by the DDX functions for a missing control; UpdateData turns it
    // into FALSE.
    struct Failure : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_pDlgWnd(dlgWnd), m_bSaveAndValidate(saveAndValidate) {}

    HWND PrepareCtrl(int id) const;

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Subclasses control id with ctrl on the first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& ctrl);
// The member keeps code page 936 bytes; the control shows UTF-16.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
