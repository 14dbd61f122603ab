#pragma once
#include <windows.h>

#include "framework/DCView.h"
#include "framework/UniqueHandle.h"

// Owns a device context made for its holder, such as a memory context
// (DeleteDC); as a DCView it draws.
class CDC : public UniqueHandle<HDC, ::DeleteDC, DCView> {
public:
    BOOL CreateCompatibleDC(HDC compatibleWith);
};
