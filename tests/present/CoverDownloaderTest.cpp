#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "TestServer.h"
#include "present/CoverDownloader.h"

namespace {

const UINT kDownloaded = WM_APP + 5;

// A message-only window of the test's thread, the downloads' target.
class TargetWindow {
public:
    TargetWindow()
        : hwnd(::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
    }
    ~TargetWindow() { ::DestroyWindow(hwnd); }
    bool Queued() const
    {
        MSG msg;
        return ::PeekMessageW(&msg, hwnd, kDownloaded, kDownloaded, PM_NOREMOVE) != FALSE;
    }

    const HWND hwnd;
};

// Everything accepted within ms.
std::vector<std::unique_ptr<CoverDownload>> Accepted(CoverDownloader& downloader, const TargetWindow& target,
                                                     int ms)
{
    std::vector<std::unique_ptr<CoverDownload>> accepted;
    for (int waited = 0; waited < ms; waited += 20) {
        MSG msg;
        while (::PeekMessageW(&msg, target.hwnd, kDownloaded, kDownloaded, PM_REMOVE))
            if (auto download = downloader.Accept(msg.lParam))
                accepted.push_back(std::move(download));
        ::Sleep(20);
    }
    return accepted;
}

TEST(CoverDownloader, OnlyTheLatestRequestIsAccepted)
{
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    downloader.Request(TestServerBase() + "/lpic/red.jpg");
    downloader.Request(TestServerBase() + "/lpic/solid.jpg");
    auto accepted = Accepted(downloader, target, 1500);
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
    EXPECT_TRUE(Accepted(downloader, target, 800).empty());
}

TEST(CoverDownloader, DisconnectEmptiesTheQueueAndStopsDelivery)
{
    TargetWindow target;
    CoverDownloader downloader(target.hwnd, kDownloaded);
    downloader.Request(TestServerBase() + "/lpic/solid.jpg");
    ASSERT_TRUE(WaitFor([&] { return target.Queued(); }));
    downloader.Disconnect();
    EXPECT_FALSE(target.Queued());

    int before = ServerRequestCount("/lpic/red.jpg");
    downloader.Request(TestServerBase() + "/lpic/red.jpg");
    ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/lpic/red.jpg") > before; }));
    EXPECT_FALSE(WaitFor([&] { return target.Queued(); }, 800));
}

}
