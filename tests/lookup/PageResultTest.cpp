#include <gtest/gtest.h>

#include "lookup/PageResult.h"

namespace {

PageResult Answer(PageStatus status, unsigned long code = 0, int retryAfter = -1)
{
    PageResult r;
    r.status = status;
    r.httpStatus = code;
    r.retryAfterSeconds = retryAfter;
    r.text = "partial";
    return r;
}

TEST(PageResult, FailureReasons)
{
    EXPECT_EQ("", FailureReason(Answer(PageStatus::Page, 200)));
    EXPECT_EQ("", FailureReason(Answer(PageStatus::NotThere, 404)));
    EXPECT_EQ("HTTP 500", FailureReason(Answer(PageStatus::HttpStatus, 500)));
    EXPECT_EQ("unreachable", FailureReason(Answer(PageStatus::Unreachable)));
    EXPECT_EQ("timed out", FailureReason(Answer(PageStatus::TimedOut)));
    EXPECT_EQ("bad answer", FailureReason(Answer(PageStatus::BadAnswer)));
}

TEST(PageResult, RetriesOnlyBusyAnswersTwice)
{
    EXPECT_EQ(1000, RetryDelayMs(Answer(PageStatus::HttpStatus, 503), 0));
    EXPECT_EQ(2000, RetryDelayMs(Answer(PageStatus::HttpStatus, 503), 1));
    EXPECT_EQ(-1, RetryDelayMs(Answer(PageStatus::HttpStatus, 503), 2));
    EXPECT_EQ(3000, RetryDelayMs(Answer(PageStatus::HttpStatus, 429, 3), 0));
    EXPECT_EQ(0, RetryDelayMs(Answer(PageStatus::HttpStatus, 429, 0), 1));
    EXPECT_EQ(10000, RetryDelayMs(Answer(PageStatus::HttpStatus, 429, 500), 0));
    EXPECT_EQ(-1, RetryDelayMs(Answer(PageStatus::HttpStatus, 500), 0));
    EXPECT_EQ(-1, RetryDelayMs(Answer(PageStatus::TimedOut), 0));
    EXPECT_EQ(7, ParseRetryAfter(" 7 "));
    EXPECT_EQ(9999, ParseRetryAfter("123456789012"));
    EXPECT_EQ(-1, ParseRetryAfter("Wed, 21 Oct 2015 07:28:00 GMT"));
    EXPECT_EQ(-1, ParseRetryAfter(""));
}

TEST(PageResult, RecordingFetchKeepsFirstFailureAndHidesItsText)
{
    std::string failure;
    int call = 0;
    PageFetch fetch = RecordingFetch(
        [&](const std::string&, PageBody) {
            ++call;
            return call == 1 ? Answer(PageStatus::Page, 200)
                             : Answer(call == 2 ? PageStatus::TimedOut : PageStatus::Unreachable);
        },
        &failure);
    EXPECT_EQ("partial", fetch("a").Text());
    EXPECT_EQ("", failure);
    EXPECT_EQ("", fetch("b").Text());
    EXPECT_EQ("", fetch("c").Text());
    EXPECT_EQ("timed out", failure);
}

}
