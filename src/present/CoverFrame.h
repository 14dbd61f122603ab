#pragma once
#include <atomic>
#include <string>

#include <windows.h>

#include "present/CoverDownloader.h"
#include "present/CoverPicture.h"

// What the cover frame shows: which cover is wanted, which picture arrived
// and is kept, and when the frame is emptied. Another book's picture never
// stands in while a cover loads or fails. Pictures are downloaded off the
// window's thread; each finished download comes back to the window as the
// given message, which hands it to Arrived. Used by the window's thread
// only, with COM initialised there (ComApartment).
class CoverFrame {
public:
    // frame: the control the picture is drawn over; window, its parent,
    // paints the background and receives message.
    CoverFrame(HWND window, HWND frame, UINT message);
    CoverFrame(const CoverFrame&) = delete;
    CoverFrame& operator=(const CoverFrame&) = delete;

    // url's cover (none when empty) is what the frame shows next: unless it
    // is the picture kept, the frame is emptied now and url downloaded.
    void Want(const std::string& url);
    // As Want, and the kept picture is drawn now when it is url's.
    void Show(const std::string& url);
    // The payload of a finished download's message: kept and drawn when it
    // answers the latest request and is a picture.
    void Arrived(LPARAM download);
    // Draws the kept picture, if any; after the window's own paint.
    void Draw() const;
    // Downloads still running deliver nothing more. Call while the window exists.
    void Disconnect();

    const std::string& WantedUrl() const { return wanted; }
    // Downloads asked for, and those of them whose thread is done (a
    // delivered one's message queued by then): a cover is under way while
    // the two differ.
    unsigned DownloadsRequested() const { return requested.load(); }
    unsigned DownloadsEnded() const { return downloader.DownloadsEnded(); }

private:
    void Replace();
    void Erase();

    const HWND window;
    const HWND frame;
    CoverDownloader downloader;
    CoverPicture picture;
    std::string wanted;
    std::string kept;  // the URL of picture; empty when there is none
    std::atomic<unsigned> requested{0};
};
