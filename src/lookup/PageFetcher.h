#pragma once
#include <string>

// GET url; the body's lines converted from UTF-8 to code page 936 and joined
// with "\r\n", at most 850 lines and 4 MiB, trailing white space removed.
// Empty when the request fails, the status is not 200 or the body is blank.
std::string FetchPage(const std::string& url);

// Converts NUL-terminated text between two code pages through UTF-16.
std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage);
