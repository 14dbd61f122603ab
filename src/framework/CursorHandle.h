#pragma once
#include "framework/UniqueHandle.h"

// A cursor made or loaded for its holder alone (LoadImage without
// LR_SHARED, CreateCursor); never a shared resource cursor.
using CursorHandle = UniqueHandle<HCURSOR, ::DestroyCursor>;
