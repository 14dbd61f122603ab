#pragma once
#include <string>

// Plain-text order of the result list: code page 936 texts compared as the
// user's locale orders them. -1, 0 or 1.
int LocaleCollate(const std::string& a, const std::string& b);
