#pragma once
#include <functional>
#include <string>

#include "lookup/PageFetch.h"

// What became of one GET, beyond the page text.
enum class PageStatus {
    Page,         // 200; the text may still be empty
    NotThere,     // 404
    HttpStatus,   // any other status
    Unreachable,  // refused, no such host, malformed URL
    TimedOut,     // nothing received for the stall limit, or the page not done by its deadline
    BadAnswer,    // not an HTTP answer, closed without one, or too many redirects
};

struct PageResult {
    PageStatus status = PageStatus::Unreachable;
    unsigned long httpStatus = 0;
    int retryAfterSeconds = -1;  // the answer's Retry-After, -1 when it had none
    std::string text;            // what FetchPage hands on
    PageText page;               // for code page 936 lines: text with its UTF-8 form
};

// What the body becomes: a web page's text, its UTF-8 lines converted to
// code page 936 and joined with "\r\n"; or the bytes as sent, for an answer
// that names its own encoding (XML).
enum class PageBody { Cp936Lines, AsSent };

using PageResultFetch = std::function<PageResult(const std::string& url, PageBody body)>;

// "unreachable", "timed out", "bad answer" or "HTTP <code>"; empty when the server answered
// with a page or with "not there".
std::string FailureReason(const PageResult& result);

// 429 or 503: the server asks to be asked again later.
bool IsBusyStatus(unsigned long httpStatus);

// Milliseconds to wait before asking again after a 429 or 503: Retry-After
// (at most 10 s), else 1 s, then 2 s. -1 when there is no retry left.
int RetryDelayMs(const PageResult& result, int retriesDone);

// Retry-After in whole seconds, -1 when it is not a number of seconds.
int ParseRetryAfter(const std::string& value);

// A PageFetch of code page 936 pages over fetch that keeps the first
// failure's reason in *failure and gives no text for a failed page, so a
// source stops there.
PageFetch RecordingFetch(PageResultFetch fetch, std::string* failure);
