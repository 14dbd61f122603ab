#pragma once
#include "framework/Wnd.h"

// Static control.
class CStatic : public CWnd {};
