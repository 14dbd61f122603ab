#include "app/BookLookupApp.h"

#include "app/BookLookupDialog.h"
#include "app/ShelfSettings.h"
#include "app/SourceSettings.h"
#include "framework/ModuleState.h"

BOOL BookLookupApp::InitInstance()
{
    BookLookupDialog dialog(LoadSourceConfig(*this), LoadShelfSettings(*this));
    AfxSetMainWnd(&dialog);
    dialog.DoModal();
    AfxSetMainWnd(nullptr);
    return FALSE;
}
