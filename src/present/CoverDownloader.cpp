#include "present/CoverDownloader.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "framework/InternetSession.h"
#include "framework/Trace.h"
#include "lookup/HttpRedirect.h"

namespace {

// Bounds an endless or absurd response; a larger cover is not drawn.
const std::size_t kMaxCoverBytes = 8u << 20;

}

// What a download thread shares with the window: the window to post to
// (none after Disconnect) and the number of the request still wanted.
class CoverDelivery {
public:
    CoverDelivery(HWND w, UINT m) : window(w), message(m) {}

    bool Wanted(unsigned sequence) const { return latest.load() == sequence; }
    void Want(unsigned sequence) { latest.store(sequence); }
    void Post(std::unique_ptr<CoverDownload> download);
    void Disconnect();
    void Ended() { ++ended; }
    unsigned EndedCount() const { return ended.load(); }

private:
    std::mutex mutex;
    HWND window;
    const UINT message;
    std::atomic<unsigned> latest{0};
    std::atomic<unsigned> ended{0};
};

void CoverDelivery::Post(std::unique_ptr<CoverDownload> download)
{
    // Held across PostMessage so that Disconnect's drain sees every payload posted.
    std::lock_guard<std::mutex> hold(mutex);
    if (window && ::PostMessageW(window, message, 0, reinterpret_cast<LPARAM>(download.get())))
        download.release();
}

void CoverDelivery::Disconnect()
{
    std::lock_guard<std::mutex> hold(mutex);
    MSG queued;
    while (window && ::PeekMessageW(&queued, window, message, message, PM_REMOVE))
        delete reinterpret_cast<CoverDownload*>(queued.lParam);
    window = nullptr;
}

namespace {

// WinINet reads block without a usable time-out under some hosts; this runs
// on its own thread and gives up once a later request replaces it.
std::string ReadCover(CHttpFile& file, const CoverDelivery& delivery, unsigned sequence)
{
    std::string bytes;
    char piece[4096];
    while (UINT got = file.Read(piece, sizeof(piece))) {
        if (bytes.size() + got > kMaxCoverBytes || !delivery.Wanted(sequence))
            return std::string();
        bytes.append(piece, got);
    }
    return bytes;
}

// The cover's bytes; empty unless a 200 answer came, within kMaxRedirects
// redirects followed by hand, while the download was still wanted.
std::string DownloadBytes(const std::string& url, const CoverDelivery& delivery, unsigned sequence)
{
    CInternetSession session("HttpClient", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    std::string at = url;
    for (int redirects = 0; delivery.Wanted(sequence); ++redirects) {
        std::unique_ptr<CHttpFile> file;
        try {
            file = session.OpenURL(at, 1, INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_NO_AUTO_REDIRECT, nullptr, 0);
        } catch (const CInternetException&) {
            return std::string();
        }
        DWORD status = 0;
        std::string location;
        if (!file->QueryInfoStatusCode(status))
            return std::string();
        if (status == 200)
            return ReadCover(*file, delivery, sequence);
        if (!IsRedirectStatus(status) || redirects == kMaxRedirects || !file->QueryInfo(HTTP_QUERY_LOCATION, location))
            return std::string();
        at = RedirectTarget(at, location);
        if (at.empty())
            return std::string();
    }
    return std::string();
}

void RunDownload(std::shared_ptr<CoverDelivery> delivery, std::unique_ptr<CoverDownload> download)
{
    try {
        download->bytes = DownloadBytes(download->url, *delivery, download->sequence);
        if (delivery->Wanted(download->sequence))
            delivery->Post(std::move(download));
    } catch (...) {
        // Nothing may escape a thread; a failed download simply draws nothing.
        AfxTraceCaught("cover download");
    }
    delivery->Ended();
}

}

CoverDownloader::CoverDownloader(HWND window, UINT message) : delivery(std::make_shared<CoverDelivery>(window, message))
{
}

CoverDownloader::~CoverDownloader()
{
    Disconnect();
}

void CoverDownloader::Request(const std::string& url)
{
    auto download = std::make_unique<CoverDownload>();
    download->sequence = ++latest;
    download->url = url;
    delivery->Want(latest);
    std::thread(RunDownload, delivery, std::move(download)).detach();
}

void CoverDownloader::DropPending()
{
    delivery->Want(++latest);
}

std::unique_ptr<CoverDownload> CoverDownloader::Accept(LPARAM payload)
{
    std::unique_ptr<CoverDownload> download(reinterpret_cast<CoverDownload*>(payload));
    if (!download || download->sequence != latest)
        download.reset();
    return download;
}

void CoverDownloader::Disconnect()
{
    delivery->Disconnect();
}

unsigned CoverDownloader::DownloadsEnded() const
{
    return delivery->EndedCount();
}
