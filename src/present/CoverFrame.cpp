#include "present/CoverFrame.h"

#include <memory>

#include "framework/ClientDC.h"

CoverFrame::CoverFrame(HWND w, HWND f, UINT message) : window(w), frame(f), downloader(w, message)
{
}

void CoverFrame::Want(const std::string& url)
{
    wanted = url;
    if (wanted != kept)
        Replace();
}

void CoverFrame::Show(const std::string& url)
{
    wanted = url;
    if (wanted != kept) {
        Replace();
        return;
    }
    downloader.DropPending();
    Draw();
}

void CoverFrame::Replace()
{
    picture = CoverPicture();
    kept.clear();
    Erase();
    if (wanted.empty()) {
        downloader.DropPending();
        return;
    }
    downloader.Request(wanted);
    ++requested;
}

void CoverFrame::Erase()
{
    // The frame paints only its border; the window's background fills it.
    RECT rect;
    ::GetWindowRect(frame, &rect);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    ::RedrawWindow(window, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CoverFrame::Arrived(LPARAM download)
{
    std::unique_ptr<CoverDownload> accepted = downloader.Accept(download);
    CoverPicture decoded = accepted ? CoverPicture::Decode(accepted->bytes) : CoverPicture();
    if (decoded) {
        picture = std::move(decoded);
        kept = accepted->url;
        Draw();
    }
}

void CoverFrame::Draw() const
{
    if (!picture)
        return;
    RECT rect;
    ::GetClientRect(frame, &rect);
    CClientDC dc(frame);
    picture.Draw(dc.GetSafeHandle(), rect);
}

void CoverFrame::Disconnect()
{
    downloader.Disconnect();
}
