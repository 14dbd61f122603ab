#pragma once
#include "framework/WinApp.h"

// Runs the main window modally; the program ends when it closes.
class BookLookupApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
