#pragma once
#include <string>

// One line "where: what" to the debugger (OutputDebugStringW; under Wine,
// WINEDEBUG=+debugstr prints it). Never throws; the user sees nothing.
void AfxTrace(const char* where, const std::string& what) noexcept;

// For a catch (...) block: traces where and what the caught exception says.
void AfxTraceCaught(const char* where) noexcept;
