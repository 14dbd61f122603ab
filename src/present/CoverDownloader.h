#pragma once
#include <memory>
#include <string>

#include <windows.h>

// One finished download on its way to the window. The posted message that
// carries it owns it until CoverDownloader::Accept takes it over.
struct CoverDownload {
    unsigned sequence = 0;
    std::string url;
    std::string bytes;  // empty when the download failed
};

class CoverDelivery;

// Downloads cover images off the window's thread, so a slow or stalled
// image server never blocks the window. Each finished download is posted
// to the window as message with lParam a CoverDownload*; only the answer to
// the latest request is accepted. Used by the window's thread only.
class CoverDownloader {
public:
    CoverDownloader(HWND window, UINT message);
    ~CoverDownloader();
    CoverDownloader(const CoverDownloader&) = delete;
    CoverDownloader& operator=(const CoverDownloader&) = delete;

    void Request(const std::string& url);
    // No download still running is wanted any more.
    void DropPending();
    // Takes over the payload of a posted message; empty unless it answers
    // the latest request.
    std::unique_ptr<CoverDownload> Accept(LPARAM payload);
    // Delivers nothing more and frees downloads still queued. Call while
    // the window exists: downloads may outlive it.
    void Disconnect();
    // Downloads whose thread is done, delivered or not; a delivered one's
    // message is queued by then.
    unsigned DownloadsEnded() const;

private:
    std::shared_ptr<CoverDelivery> delivery;
    unsigned latest = 0;
};
