#pragma once
#include <string>

#include "lookup/PageResult.h"

// Window: WinINet's cache and cookies as the system has them, as the window
// has always done.
// Batch: no cache and no cookies, so thousands of pages spend no time on
// their files and always see the server's answer of the moment; the
// connection is kept for the next page.
enum class FetchMode { Window, Batch };

// GET url once, following up to 5 redirects to http(s) addresses; at most
// 850 lines and 4 MiB of the body, as body says, trailing white space
// removed. The text is read only from a 200 answer; a server that sends
// nothing at all for one to two stall limits, or has not finished by the
// page deadline, is given up, keeping what came before. More redirects, or
// anything that is not an HTTP answer, is a bad answer.
PageResult FetchPageResult(const std::string& url, FetchMode mode = FetchMode::Window,
                           PageBody body = PageBody::Cp936Lines);

// How long a server may send nothing at all before its page is given up:
// 10 s, or QUILL_STALL_LIMIT_MS of the environment (a test's child process
// is told so). Tests lower it rather than sit through a stall.
void SetStallLimitMs(unsigned milliseconds);

// The most one page may take, redirects included: 60 s unless set lower.
void SetPageDeadlineMs(unsigned milliseconds);

// FetchPageResult, asking again after a 429 or 503 as RetryDelayMs says.
PageResult FetchPageRetrying(const std::string& url, FetchMode mode, PageBody body = PageBody::Cp936Lines);

// FetchPageResult's text: empty when the request fails, the status is not
// 200 or the body is blank.
std::string FetchPage(const std::string& url);

// Body lines in UTF-8, each ended by "\n" or "\r\n" (the last perhaps by
// neither), as code page 936 lines each ended by "\r\n".
std::string ConvertPageLines(const std::string& lines);

// ConvertPageLines's text appended to page, each line with the UTF-8 line it came from; a line whose
// characters do not pair one for one (a byte that is no UTF-8, a NUL) pairs with its own 936 text instead.
void AppendPageLines(const std::string& lines, PageText& page);

// Converts NUL-terminated text between two code pages through UTF-16.
std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage);
