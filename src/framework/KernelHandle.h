#pragma once
#include "framework/UniqueHandle.h"

// A thread, event or process handle.
using KernelHandle = UniqueHandle<HANDLE, ::CloseHandle>;
