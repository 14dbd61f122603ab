#pragma once
#include <string>

#include "lookup/PageResult.h"

// Use: WinINet's cache as the system has it, as the window has always done.
// Bypass: neither read nor written, so a batch of thousands of pages spends
// no time on cache files and always sees the server's answer of the moment.
enum class PageCache { Use, Bypass };

// GET url once; the body's lines converted from UTF-8 to code page 936 and
// joined with "\r\n", at most 850 lines and 4 MiB, trailing white space
// removed. The text is read only from a 200 answer; a server that sends
// nothing at all for 10 to 20 s is given up, keeping what came before.
PageResult FetchPageResult(const std::string& url, PageCache cache = PageCache::Use);

// FetchPageResult, asking again after a 429 or 503 as RetryDelayMs says.
PageResult FetchPageRetrying(const std::string& url, PageCache cache);

// FetchPageResult's text: empty when the request fails, the status is not
// 200 or the body is blank.
std::string FetchPage(const std::string& url);

// Converts NUL-terminated text between two code pages through UTF-16.
std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage);
