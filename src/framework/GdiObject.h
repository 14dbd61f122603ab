#pragma once
#include <windows.h>

#include "framework/UniqueHandle.h"

// Owns a pen, brush, font, bitmap or region (DeleteObject). An object must
// not be selected into a device context when it is deleted (ScopedSelect
// takes care of that).
template <typename H>
using CGdiObject = UniqueHandle<H, ::DeleteObject>;
