#include "lookup/PageFetcher.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "framework/CodePage.h"
#include "framework/InternetSession.h"
#include "lookup/Extraction.h"

namespace {

const int kMaxLines = 850;
// Bounds a body without line breaks, or an endless one.
const std::size_t kMaxBodyBytes = 4u << 20;
// How long a server may send nothing before the page is given up; checked
// once per period, so a stall is noticed after one to two periods.
const std::chrono::seconds kStallLimit(10);

// One page being read on its own thread. WinINet's blocking reads ignore
// receive time-outs under some hosts, so the caller waits here instead and
// may walk away from a stalled read; the thread then finishes on its own.
class PageTransfer {
public:
    void Run(const std::string& url);
    void Finish();
    std::string Wait();

private:
    void ReadBody(CHttpFile& file);
    bool Append(const std::string& line);

    std::mutex mutex;
    std::condition_variable finished;
    std::string text;
    unsigned long progress = 0;
    bool done = false;
    bool abandoned = false;
};

void PageTransfer::Run(const std::string& url)
{
    CInternetSession session("HttpClient", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    std::unique_ptr<CHttpFile> file;
    try {
        file = session.OpenURL(url, 1, INTERNET_FLAG_TRANSFER_ASCII, nullptr, 0);
    } catch (const CInternetException&) {
        session.Close();
        return;
    }
    DWORD status = 0;
    if (file->QueryInfoStatusCode(status) && status == 200)
        ReadBody(*file);
    file->Close();
    session.Close();
}

void PageTransfer::ReadBody(CHttpFile& file)
{
    std::size_t bodyBytes = 0;
    std::string line;
    for (int count = 0; count < kMaxLines; ++count) {
        if (!file.ReadString(line, kMaxBodyBytes - bodyBytes + 1))
            return;
        bodyBytes += line.size() + 1;
        if (bodyBytes > kMaxBodyBytes || !Append(ConvertCodePage(line, CP_UTF8, kPageCodePage) + "\r\n"))
            return;
    }
}

bool PageTransfer::Append(const std::string& line)
{
    // No notify: waking the waiter for every line costs more than the line.
    std::lock_guard<std::mutex> hold(mutex);
    text += line;
    ++progress;
    return !abandoned;
}

void PageTransfer::Finish()
{
    std::lock_guard<std::mutex> hold(mutex);
    done = true;
    finished.notify_all();
}

std::string PageTransfer::Wait()
{
    std::unique_lock<std::mutex> hold(mutex);
    unsigned long seen = ~0ul;
    while (!finished.wait_for(hold, kStallLimit, [&] { return done; }) && progress != seen)
        seen = progress;
    abandoned = !done;
    std::string result = text;
    TrimRight(result);
    return result;
}

// U+FFFD for every surrogate pair: a character outside the basic plane has
// no code page 936 form and must become one default character, not two.
void CollapseSurrogatePairs(std::wstring& text)
{
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                    text[i + 1] <= 0xDFFF;
        out += pair ? L'\xFFFD' : text[i];
        i += pair ? 1 : 0;
    }
    text.swap(out);
}

}

std::string FetchPage(const std::string& url)
{
    auto transfer = std::make_shared<PageTransfer>();
    std::thread([transfer, url] {
        // Nothing may escape a thread; what was read so far still counts.
        try {
            transfer->Run(url);
        } catch (...) {
        }
        transfer->Finish();
    }).detach();
    return transfer->Wait();
}

std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage)
{
    std::wstring wide = MultiByteToWide(text.c_str(), fromCodePage);
    CollapseSurrogatePairs(wide);
    return WideToMultiByte(wide, toCodePage);
}
