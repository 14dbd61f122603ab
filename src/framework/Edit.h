#pragma once
#include "framework/Wnd.h"

// Edit control; its text goes through DDX_Text or CWnd's window text.
class CEdit : public CWnd {};
