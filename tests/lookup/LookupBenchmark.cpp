// Run by hand: prints median timings against a running catalogue service,
// with an SRU address the three-source search too, and with a Z39.50
// catalogue (HOST:PORT/DATABASE, Zebra's loc) the search with it behind a
// relay that delays 40 ms each way, and a batch of 200 ISBNs at 8 jobs.
//   lookup_bench.exe http://127.0.0.1:PORT [SRU_URL|-] [Z3950_ADDRESS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>
#include <wininet.h>

#include "HostileTcpServer.h"
#include "console/BatchRunner.h"
#include "console/ConsoleSearch.h"
#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"
#include "lookup/PageFetcher.h"
#include "lookup/PageUrls.h"
#include "lookup/Z3950ConnectionPool.h"
#include "lookup/Z3950Source.h"

namespace {

double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// The same page through WinINet with no conversion: the transport's own cost.
std::vector<std::string> PlainRead(const std::string& url)
{
    std::vector<std::string> lines(1);
    HINTERNET session = InternetOpenA("HttpClient", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET request = InternetOpenUrlA(session, url.c_str(), nullptr, 0, INTERNET_FLAG_TRANSFER_ASCII, 1);
    char buffer[4096];
    DWORD got = 0;
    while (request && InternetReadFile(request, buffer, sizeof(buffer), &got) && got > 0) {
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] == '\n')
                lines.emplace_back();
            else
                lines.back() += buffer[i];
        }
    }
    InternetCloseHandle(request);
    InternetCloseHandle(session);
    if (lines.size() > 850)
        lines.resize(850);
    return lines;
}

const int kRelayDelayMs = 40;

// The Z39.50 figures: address is Zebra's; the catalogue is also asked
// through a relay that delays each way.
void Z3950Figures(const SourceConfig& config, const std::string& address, double slowest)
{
    const int searches = 30;
    const std::string isbn = "0152038655";
    HostileTcpServer::Options options;
    options.behaviour = HostileTcpServer::Behaviour::Relay;
    options.upstreamPort = std::atoi(address.substr(address.find(':') + 1).c_str());
    options.delayMs = kRelayDelayMs;
    HostileTcpServer relay(options);
    CatalogueConfig direct;
    direct.name = "z3950";
    direct.address = address;
    CatalogueConfig delayed = direct;
    delayed.address = "127.0.0.1:" + std::to_string(relay.Port()) + address.substr(address.find('/'));

    Z3950ConnectionPool directPool(direct), delayedPool(delayed);
    double zebra = MedianMs(searches, [&] { AskZ3950(direct, isbn, &directPool); });
    double catalogue = MedianMs(searches, [&] { AskZ3950(delayed, isbn, &delayedPool); });
    SourceConfig withZ3950 = config;
    withZ3950.z3950Address = delayed.address;
    ConsoleSearch all(withZ3950);
    all.Run(isbn);  // signs on
    double three = MedianMs(searches, [&] { all.Run(isbn); });
    std::printf("Zebra's Z39.50 answer   %8.3f ms (kept connection, median of %d)\n", zebra, searches);
    std::printf("through the %d ms relay %8.3f ms\n", kRelayDelayMs, catalogue);
    std::printf("web sources + Z39.50    %8.3f ms, ratio to slowest source %.2f\n", three,
                three / std::max(slowest, catalogue));

    // 200 ISBNs over the delayed catalogue alone, 8 at once, each worker's
    // connection signed on once.
    const char* const isbns[] = {"0152038655", "9780152038656", "9780000000000", "0805047905"};
    const int jobs = 8, count = 200;
    Z3950ConnectionPool batchPool(delayed);
    int next = 0;
    BatchRunner runner(
        jobs,
        [&](const std::string& one) {
            LookupOutcome outcome;
            outcome.isbn = one;
            outcome.sources.push_back(AskZ3950(delayed, one, &batchPool));
            return outcome;
        },
        [](const LookupOutcome&) {},
        [](const std::string& one) {
            return LookupOutcome{one, false, {}};
        });
    const int before = relay.Connections();
    auto start = std::chrono::steady_clock::now();
    runner.Run([&](std::string& one) {
        if (next == count)
            return false;
        one = isbns[next++ % 4];
        return true;
    });
    double batch = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const int signOns = relay.Connections() - before;
    // Each search and each sign-on is one round trip through the relay.
    double limit = (count / double(jobs) + 1) * catalogue;
    std::printf("200 ISBNs at 8 jobs     %8.1f ms, %d sign-ons; limit %.1f ms (200 x %.1f ms / 8 + one sign-on): "
                "%.0f%%\n",
                batch, signOns, limit, catalogue, 100.0 * limit / batch);
}

}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: lookup_bench.exe BASE_URL [SRU_URL]\n");
        return 2;
    }
    SourceConfig config;
    config.communityBase = config.libraryBase = argv[1];
    config.coverBase = std::string(argv[1]) + "/lpic/";
    const std::string longPage = config.communityBase + "/isbn/9787999999999/";
    const std::string bookPage = config.communityBase + "/isbn/9787111111111/";
    const int runs = 50;

    std::vector<std::string> raw = PlainRead(longPage);
    std::string page = FetchPage(bookPage);
    std::printf("850-line community page (%zu lines, %zu bytes as fetched)\n", raw.size(), FetchPage(longPage).size());
    double fetch = MedianMs(runs, [&] { FetchPage(longPage); });
    double plain = MedianMs(runs, [&] { PlainRead(longPage); });
    double convert = MedianMs(runs, [&] {
        for (const std::string& line : raw)
            ConvertCodePage(line, CP_UTF8, 936);
    });
    double extract = MedianMs(runs, [&] {
        BookRecord record;
        LookupCommunity(record, "9787111111111", config, [&](const std::string&) { return page; });
    });
    std::printf("FetchPage            %8.3f ms (median of %d)\n", fetch, runs);
    std::printf("plain WinINet read   %8.3f ms\n", plain);
    std::printf("conversion alone     %8.3f ms\n", convert);
    std::printf("extraction alone     %8.3f ms\n", extract);
    std::printf("(conversion + extraction) / fetch = %.1f%%\n", 100.0 * (convert + extract) / fetch);

    const int searches = 30;
    ConsoleSearch search(config);
    const std::string isbn = "9787111111111";
    double both = MedianMs(searches, [&] { search.Run(isbn); });
    double community = MedianMs(searches, [&] { FetchPage(config.communityBase + "/isbn/" + isbn + "/"); });
    double library = MedianMs(searches, [&] {
        FetchPage(config.libraryBase + "/BookSearch.aspx?ISBN=" + isbn);
        FetchPage(config.libraryBase + "/bookdetail.aspx?id=1111");
    });
    double slowest = std::max(community, library);
    std::printf("one ISBN, both sources  %8.3f ms (median of %d)\n", both, searches);
    std::printf("community fetch alone   %8.3f ms, library search + detail %8.3f ms\n", community, library);
    std::printf("ratio to slowest source %.2f\n", both / slowest);
    if (argc > 2 && std::string(argv[2]) != "-") {
        SourceConfig withSru = config;
        withSru.sruBase = argv[2];
        ConsoleSearch three(withSru);
        double all = MedianMs(searches, [&] { three.Run(isbn); });
        double sru = MedianMs(searches, [&] {
            FetchPageResult(SruSearchUrl(argv[2], "bath.isbn", isbn), FetchMode::Window, PageBody::AsSent);
        });
        std::printf("one ISBN, three sources %8.3f ms, SRU search alone %8.3f ms\n", all, sru);
        std::printf("ratio to slowest source %.2f\n", all / std::max(slowest, sru));
    }

    std::vector<std::string> isbns = {"9787111111111", "9787222222222", "9787333333333", "9787555555555",
                                      "9787666666666", "9787888888888", "9787000000002", "9780000000000"};
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i)
        search.Run(isbns[i % isbns.size()]);
    double total = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("100 sample ISBNs        %8.1f ms\n", total);
    if (argc > 3)
        Z3950Figures(config, argv[3], slowest);
    return 0;
}
