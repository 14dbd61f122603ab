#include "app/BookLookupApp.h"

#include "app/BookLookupDialog.h"
#include "app/SourceSettings.h"

BOOL BookLookupApp::InitInstance()
{
    BookLookupDialog dialog(LoadSourceConfig(*this));
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
