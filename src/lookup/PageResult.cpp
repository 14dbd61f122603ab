#include "lookup/PageResult.h"

namespace {

const int kMaxRetries = 2;
const int kMaxRetryAfterSeconds = 10;

}

std::string FailureReason(const PageResult& result)
{
    switch (result.status) {
    case PageStatus::Unreachable:
        return "unreachable";
    case PageStatus::TimedOut:
        return "timed out";
    case PageStatus::BadAnswer:
        return "bad answer";
    case PageStatus::HttpStatus:
        return "HTTP " + std::to_string(result.httpStatus);
    default:
        return std::string();
    }
}

bool IsBusyStatus(unsigned long httpStatus)
{
    return httpStatus == 429 || httpStatus == 503;
}

int RetryDelayMs(const PageResult& result, int retriesDone)
{
    bool busy = result.status == PageStatus::HttpStatus && IsBusyStatus(result.httpStatus);
    if (!busy || retriesDone >= kMaxRetries)
        return -1;
    if (result.retryAfterSeconds >= 0)
        return 1000 *
               (result.retryAfterSeconds < kMaxRetryAfterSeconds ? result.retryAfterSeconds : kMaxRetryAfterSeconds);
    return 1000 * (retriesDone + 1);
}

int ParseRetryAfter(const std::string& value)
{
    std::size_t begin = value.find_first_not_of(" \t");
    std::size_t end = value.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return -1;
    std::string digits = value.substr(begin, end + 1 - begin);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    // Anything past the cap waits the cap; no need to read huge numbers.
    return digits.size() > 4 ? 9999 : std::stoi(digits);
}

PageFetch RecordingFetch(PageResultFetch fetch, std::string* failure)
{
    return [fetch, failure](const std::string& url) {
        PageResult result = fetch(url, PageBody::Cp936Lines);
        std::string reason = FailureReason(result);
        if (reason.empty())
            // A fetch that gave the 936 text alone has no UTF-8 form to hand on.
            return result.page.Text() == result.text ? result.page : PageText(result.text);
        if (failure->empty())
            *failure = reason;
        return PageText();
    };
}
