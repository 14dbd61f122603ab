#pragma once
#include "framework/UniqueHandle.h"

// An icon made or loaded for its holder alone (LoadImage without
// LR_SHARED, CreateIconIndirect); never a shared resource icon.
using IconHandle = UniqueHandle<HICON, ::DestroyIcon>;
