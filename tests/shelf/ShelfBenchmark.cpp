// shelf_bench: the shelf's figures under Wine. The time to add one record
// as the window does (compose, write, append and flush), median of 100; and
// the time to open a shelf of 100,000 records, check it for a torn tail and
// count it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <windows.h>

#include "marc/Iso2709.h"
#include "shelf/Shelf.h"
#include "shelf/ShelfBook.h"
#include "shelf/ShelfFile.h"

namespace {

using Clock = std::chrono::steady_clock;

const MarcTimestamp kMade{2026, 12, 9, 10, 0, 0};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::vector<SourceOutcome> Search(int n, std::vector<ResultFields>& values)
{
    SourceOutcome library, community;
    library.values[kTitle] = "Practical Test Engineering " + std::to_string(n);
    library.values[kAuthor] = "Alice Zhang";
    library.values[kPublisher] = "Test Press";
    library.values[kPrice] = "45.00";
    community.values = library.values;
    community.values[kIntro] = std::string(400, 'x');
    community.values[kCoverUrl] = "http://127.0.0.1/lpic/s1.jpg";
    values = {library.values, community.values};
    return {library, community};
}

std::string Isbn(int n)
{
    char isbn[16];
    std::snprintf(isbn, sizeof isbn, "978%010d", n);
    return isbn;
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

}

int main()
{
    const std::wstring path = TempFile(L"quill-shelf-bench.mrc");
    ::DeleteFileW(path.c_str());
    std::vector<double> adds;
    {
        Shelf shelf(std::make_unique<ShelfFile>(path));
        shelf.Open();
        for (int n = 0; n < 100; ++n) {
            std::vector<ResultFields> values;
            const auto found = Search(n, values);
            const auto start = Clock::now();
            const MarcRecord record = ComposeShelfBook(Isbn(n), found, values, 0, MarcFlavour::Marc21, kMade);
            if (shelf.Add(Isbn(n), WriteIso2709(record)) != Shelf::Added::Added)
                return 1;
            adds.push_back(Ms(Clock::now() - start));
        }
    }
    std::sort(adds.begin(), adds.end());
    std::printf("add one record, click to flushed: median %.2f ms of 100 (max %.2f ms)\n", adds[50], adds.back());

    std::string records;
    for (int n = 0; n < 100000; ++n) {
        std::vector<ResultFields> values;
        const auto found = Search(n, values);
        records += WriteIso2709(ComposeShelfBook(Isbn(n), found, values, 0, MarcFlavour::Marc21, kMade));
    }
    if (WriteWholeFile(path, records) != ShelfFault::None)
        return 1;
    {
        const auto start = Clock::now();
        Shelf big(std::make_unique<ShelfFile>(path));
        const Shelf::Opened opened = big.Open();
        const double openMs = Ms(Clock::now() - start);
        std::printf("open, check and count a shelf of %zu records (%.1f MB): %.0f ms%s\n", big.Count(),
                    records.size() / 1e6, openMs, opened == Shelf::Opened::Clean ? "" : " (not clean!)");
    }
    ::DeleteFileW(path.c_str());
    return 0;
}
