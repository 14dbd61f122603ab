#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "console/BatchRunner.h"
#include "console/ProgressLine.h"
#include "marc/IsbnCleaning.h"

namespace {

LookupOutcome Outcome(const std::string& isbn, bool found, const std::string& failure)
{
    LookupOutcome o;
    o.isbn = isbn;
    o.sources.resize(2);
    if (found)
        o.sources[0].status = SourceStatus::Found;
    if (!failure.empty())
        o.sources[1] = FailedOutcome(SourceKind::Community, failure);
    return o;
}

TEST(BatchRunner, KeepsInputOrderWhenLaterIsbnsFinishFirstOrBreakDown)
{
    const int jobs = 8, count = 40;
    std::mutex mutex;
    std::vector<std::string> completed, emitted;
    std::size_t reads = 0, mostAhead = 0;
    BatchRunner runner(
        jobs,
        [&](const std::string& isbn) {
            // The first of every eight takes longest, so later ones overtake it.
            int n = std::stoi(isbn);
            std::this_thread::sleep_for(std::chrono::milliseconds(n % 8 == 0 ? 60 : 2));
            std::lock_guard<std::mutex> hold(mutex);
            completed.push_back(isbn);
            if (n == 11)
                throw std::runtime_error("broken");
            return Outcome(isbn, n % 3 != 0, n == 7 ? "timed out" : "");
        },
        [&](const LookupOutcome& o) { emitted.push_back(o.isbn); },
        [&](const std::string& isbn) { return Outcome(isbn, false, "internal error"); });
    runner.Run([&](std::string& isbn) {
        if (reads == count)
            return false;
        mostAhead = std::max(mostAhead, reads - runner.Counts().done);
        isbn = std::to_string(reads++);
        return true;
    });
    std::vector<std::string> inOrder;
    for (int i = 0; i < count; ++i)
        inOrder.push_back(std::to_string(i));
    EXPECT_EQ(inOrder, emitted);
    EXPECT_NE(inOrder, completed);
    EXPECT_LE(mostAhead, 4u * jobs + 16);
    BatchCounts c = runner.Counts();
    EXPECT_EQ(40u, c.done);
    EXPECT_EQ(25u, c.rows);  // all but 0, 3, ..., 39 and 11
    EXPECT_EQ(14u, c.notFound);
    EXPECT_EQ(2u, c.failed);  // 7: found by one source, failed in the other; 11 broke down
}

TEST(IsbnCleaning, SeparatorsCaseAndCheckDigits)
{
    struct Case {
        const char* text;
        bool valid;
        const char* isbn;
    } cases[] = {
        {"978-7-111-11111-?", false, "978-7-111-11111-?"},
        {"978-7-02-000220-7", true, "9787020002207"},
        {"978 7 02 000220 7", true, "9787020002207"},
        {"0-8044-2957-x", true, "080442957X"},
        {"080442957X", true, "080442957X"},
        {"9787020002208", false, "9787020002208"},
        {"0804429571", false, "0804429571"},
        {"X804429570", false, "X804429570"},
        {"97870200022", false, "97870200022"},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        std::string isbn;
        EXPECT_EQ(c.valid, CleanIsbn(c.text, &isbn)) << c.text;
        EXPECT_EQ(c.isbn, isbn) << c.text;
    }
}

TEST(ProgressLine, CountsRateAndTimeLeft)
{
    BatchCounts c;
    c.done = 100;
    c.rows = 150;
    c.notFound = 7;
    c.failed = 2;
    EXPECT_EQ("100/400 ISBN, 150 rows, 7 not found, 2 failed, 20.0 ISBN/s, 0:15 left", FormatProgress(c, 400, 5.0));
    EXPECT_EQ("100/? ISBN, 150 rows, 7 not found, 2 failed, 20.0 ISBN/s", FormatProgress(c, 0, 5.0));
}

}
