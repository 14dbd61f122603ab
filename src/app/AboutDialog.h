#pragma once
#include "framework/Dialog.h"

// The about box, dialog template 100: icon, name and version, rights notice
// and OK. Without a parent it belongs to the main window.
class AboutDialog : public CDialog {
public:
    AboutDialog();
};
