#pragma once
#include <windows.h>
#include <wininet.h>

#include "framework/UniqueHandle.h"

// A WinINet session or request handle.
using InternetHandle = UniqueHandle<HINTERNET, ::InternetCloseHandle>;
