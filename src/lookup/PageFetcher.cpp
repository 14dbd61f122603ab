#include "lookup/PageFetcher.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include "framework/CodePage.h"
#include "framework/InternetSession.h"
#include "framework/Trace.h"
#include "lookup/Completion.h"
#include "lookup/Extraction.h"
#include "lookup/SpareThreads.h"

namespace {

const int kMaxLines = 850;
// Bounds a body without line breaks, or an endless one.
const std::size_t kMaxBodyBytes = 4u << 20;
// How long a server may send no byte at all before the page is given up;
// checked once per period, so silence is noticed after one to two periods.
const DWORD kStallLimitMs = 10000;

// One page being read on its own thread. WinINet's blocking reads ignore
// receive time-outs under some hosts, so the caller waits here instead and
// may walk away from a stalled read; the thread then finishes on its own.
class PageTransfer {
public:
    void Run(const std::string& url, DWORD flags);
    void Finish();
    PageResult Wait();

private:
    void ReadBody(CHttpFile& file);
    bool AddLine(std::string line);
    bool Received(std::size_t bytes);
    void SetAnswer(PageStatus status, unsigned long httpStatus, int retryAfter);

    std::mutex mutex;
    Completion finished;
    PageResult result;
    unsigned long long bytesSeen = 0;
    bool abandoned = false;
};

PageStatus StatusOf(DWORD code)
{
    return code == 200 ? PageStatus::Page : code == 404 ? PageStatus::NotThere : PageStatus::HttpStatus;
}

void PageTransfer::Run(const std::string& url, DWORD flags)
{
    CInternetSession session("HttpClient", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    std::unique_ptr<CHttpFile> file;
    try {
        file = session.OpenURL(url, 1, flags, nullptr, 0);
    } catch (const CInternetException& e) {
        SetAnswer(e.m_dwError == ERROR_INTERNET_TIMEOUT ? PageStatus::TimedOut : PageStatus::Unreachable, 0, -1);
        session.Close();
        return;
    }
    DWORD status = 0;
    std::string retryAfter;
    file->QueryInfoStatusCode(status);
    file->QueryInfo(HTTP_QUERY_RETRY_AFTER, retryAfter);
    SetAnswer(StatusOf(status), status, ParseRetryAfter(retryAfter));
    if (status == 200)
        ReadBody(*file);
    file->Close();
    session.Close();
}

void PageTransfer::ReadBody(CHttpFile& file)
{
    std::size_t bodyBytes = 0;
    std::string pending;
    std::size_t scanned = 0;
    int lines = 0;
    char chunk[4096];
    while (lines < kMaxLines && bodyBytes < kMaxBodyBytes) {
        UINT got = file.ReadAvailable(chunk, sizeof(chunk));
        if (got == 0 || !Received(got))
            break;
        std::size_t keep = std::min<std::size_t>(got, kMaxBodyBytes - bodyBytes);
        bodyBytes += keep;
        pending.append(chunk, keep);
        std::size_t start = 0;
        std::size_t nl;
        while (lines < kMaxLines && (nl = pending.find('\n', scanned)) != std::string::npos) {
            if (!AddLine(pending.substr(start, nl - start)))
                return;
            ++lines;
            start = scanned = nl + 1;
        }
        pending.erase(0, start);
        scanned = pending.size();
    }
    // The last line may have no line break, or be cut at the byte bound.
    if (lines < kMaxLines && !pending.empty())
        AddLine(pending);
}

bool PageTransfer::AddLine(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::string converted = ConvertCodePage(line, CP_UTF8, kPageCodePage) + "\r\n";
    std::lock_guard<std::mutex> hold(mutex);
    result.text += converted;
    return !abandoned;
}

bool PageTransfer::Received(std::size_t bytes)
{
    // No notify: waking the waiter for every chunk costs more than the chunk.
    std::lock_guard<std::mutex> hold(mutex);
    bytesSeen += bytes;
    return !abandoned;
}

void PageTransfer::SetAnswer(PageStatus status, unsigned long httpStatus, int retryAfter)
{
    std::lock_guard<std::mutex> hold(mutex);
    result.status = status;
    result.httpStatus = httpStatus;
    result.retryAfterSeconds = retryAfter;
    // The status line and headers are bytes too.
    ++bytesSeen;
}

void PageTransfer::Finish()
{
    finished.Set();
}

PageResult PageTransfer::Wait()
{
    unsigned long long seen = ~0ull;
    bool done = false;
    for (;;) {
        done = finished.WaitFor(kStallLimitMs);
        std::lock_guard<std::mutex> hold(mutex);
        if (done || bytesSeen == seen)
            break;
        seen = bytesSeen;
    }
    std::lock_guard<std::mutex> hold(mutex);
    abandoned = !done;
    PageResult answer = result;
    if (abandoned)
        answer.status = PageStatus::TimedOut;
    TrimRight(answer.text);
    return answer;
}

// Cookies and the cache live in files behind one process-wide lock, which
// every page of a batch would otherwise queue for.
const DWORD kBatchFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_KEEP_CONNECTION;

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

PageResult FetchPageResult(const std::string& url, FetchMode mode)
{
    DWORD flags = INTERNET_FLAG_TRANSFER_ASCII;
    if (mode == FetchMode::Batch)
        flags |= kBatchFlags;
    auto transfer = std::make_shared<PageTransfer>();
    RunOnSpareThread([transfer, url, flags] {
        // Nothing may escape a thread; what was read so far still counts.
        try {
            transfer->Run(url, flags);
        } catch (...) {
            AfxTraceCaught("page fetch");
        }
        transfer->Finish();
    });
    return transfer->Wait();
}

PageResult FetchPageRetrying(const std::string& url, FetchMode mode)
{
    PageResult result = FetchPageResult(url, mode);
    for (int retries = 0;; ++retries) {
        int delay = RetryDelayMs(result, retries);
        if (delay < 0)
            return result;
        ::Sleep(static_cast<DWORD>(delay));
        result = FetchPageResult(url, mode);
    }
}

std::string FetchPage(const std::string& url)
{
    return FetchPageResult(url).text;
}

std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage)
{
    std::wstring wide = MultiByteToWide(text.c_str(), fromCodePage);
    CollapseSurrogatePairs(wide);
    return WideToMultiByte(wide, toCodePage);
}
