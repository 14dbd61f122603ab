#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MisbehavingHttpServer.h"
#include "TestServer.h"
#include "WaitFor.h"
#include "present/CoverDownloader.h"

namespace {

const UINT kDownloaded = WM_APP + 5;

// A message-only window of the test's thread, the downloads' target.
class TargetWindow {
public:
    TargetWindow() : hwnd(::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~TargetWindow() { ::DestroyWindow(hwnd); }
    bool Queued() const
    {
        MSG msg;
        return ::PeekMessageW(&msg, hwnd, kDownloaded, kDownloaded, PM_NOREMOVE) != FALSE;
    }

    const HWND hwnd;
};

// Everything accepted once count downloads have ended.
std::vector<std::unique_ptr<CoverDownload>> AcceptedAfter(unsigned count, CoverDownloader& downloader,
                                                          const TargetWindow& target)
{
    EXPECT_TRUE(WaitFor([&] { return downloader.DownloadsEnded() == count; }));
    std::vector<std::unique_ptr<CoverDownload>> accepted;
    MSG msg;
    while (::PeekMessageW(&msg, target.hwnd, kDownloaded, kDownloaded, PM_REMOVE))
        if (auto download = downloader.Accept(msg.lParam))
            accepted.push_back(std::move(download));
    return accepted;
}

TEST(CoverDownloader, OnlyTheLatestRequestIsAccepted)
{
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    downloader.Request(TestServerBase() + "/lpic/red.jpg");
    downloader.Request(TestServerBase() + "/lpic/solid.jpg");
    auto accepted = AcceptedAfter(2, downloader, target);
    ASSERT_EQ(1u, accepted.size());
    EXPECT_EQ(TestServerBase() + "/lpic/solid.jpg", accepted[0]->url);
    EXPECT_EQ("\xFF\xD8", accepted[0]->bytes.substr(0, 2));
}

TEST(CoverDownloader, DroppedRequestIsNotAccepted)
{
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    downloader.Request(TestServerBase() + "/lpic/red.jpg");
    downloader.DropPending();
    EXPECT_TRUE(AcceptedAfter(1, downloader, target).empty());
}

TEST(CoverDownloader, DisconnectEmptiesTheQueueAndStopsDelivery)
{
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    downloader.Request(TestServerBase() + "/lpic/solid.jpg");
    ASSERT_TRUE(WaitFor([&] { return target.Queued(); }));
    downloader.Disconnect();
    EXPECT_FALSE(target.Queued());

    downloader.Request(TestServerBase() + "/lpic/red.jpg");
    ASSERT_TRUE(WaitFor([&] { return downloader.DownloadsEnded() == 2; }));
    EXPECT_FALSE(target.Queued());
}

// Redirects are followed by hand, five at most: an endless chain ends.
TEST(CoverDownloader, FollowsFiveRedirectsAndNoMore)
{
    MisbehavingHttpServer server;
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    const struct {
        int hops;
        const char* bytes;
        int requests;
    } cases[] = {{5, "arrived\n", 6}, {6, "", 6}};
    unsigned ended = 0;
    for (const auto& c : cases) {
        const std::string path = "/hops/" + std::to_string(c.hops) + "/c" + std::to_string(c.hops) + ".jpg";
        downloader.Request(server.Base() + path);
        auto accepted = AcceptedAfter(++ended, downloader, target);
        ASSERT_EQ(1u, accepted.size()) << c.hops;
        EXPECT_EQ(c.bytes, accepted[0]->bytes) << c.hops;
        EXPECT_EQ(c.requests, server.RequestCount("/c" + std::to_string(c.hops) + ".jpg")) << c.hops;
    }
}

}
