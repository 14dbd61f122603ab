#include "lookup/PageFetcher.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

#include "framework/CodePage.h"
#include "framework/InternetSession.h"
#include "framework/Trace.h"
#include "lookup/Completion.h"
#include "lookup/Extraction.h"
#include "lookup/HttpRedirect.h"
#include "lookup/SpareThreads.h"

namespace {

const int kMaxLines = 850;
// Bounds a body without line breaks, or an endless one.
const std::size_t kMaxBodyBytes = 4u << 20;
// Checked once per period, so silence is noticed after one to two periods.
DWORD InitialStallLimit()
{
    const char* set = std::getenv("QUILL_STALL_LIMIT_MS");
    const long ms = set ? std::strtol(set, nullptr, 10) : 0;
    return ms > 0 ? static_cast<DWORD>(ms) : 10000;
}

std::atomic<DWORD> stallLimitMs{InitialStallLimit()};
// A server that trickles a byte now and then is never silent; this bounds
// the whole page, redirects included.
std::atomic<DWORD> pageDeadlineMs{60000};

// One page being read on its own thread. WinINet's blocking reads ignore
// receive time-outs under some hosts, so the caller waits here instead and
// may walk away from a stalled read; the thread then finishes on its own.
class PageTransfer {
public:
    explicit PageTransfer(PageBody b) : body(b) {}
    void Run(const std::string& url, DWORD flags);
    void Finish();
    PageResult Wait();

private:
    std::unique_ptr<CHttpFile> Open(CInternetSession& session, const std::string& url, DWORD flags);
    bool TakeAnswer(CHttpFile& file, std::string& url, int redirectsDone);
    void ReadBody(CHttpFile& file);
    bool AddLines(const std::string& lines);
    bool Received(std::size_t bytes);
    void SetAnswer(PageStatus status, unsigned long httpStatus, int retryAfter);

    const PageBody body;
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

// A request that could not be made: unreachable unless a server took the
// connection and then broke off or said something that is no HTTP.
PageStatus StatusOfError(DWORD error)
{
    switch (error) {
    case ERROR_INTERNET_TIMEOUT:
        return PageStatus::TimedOut;
    case ERROR_INTERNET_CONNECTION_ABORTED:
    case ERROR_INTERNET_CONNECTION_RESET:
    case ERROR_HTTP_INVALID_SERVER_RESPONSE:
    case ERROR_HTTP_INVALID_HEADER:
        return PageStatus::BadAnswer;
    default:
        return PageStatus::Unreachable;
    }
}

// WinINet takes bytes without a status line for an HTTP/0.9 answer: a 200
// without a single header, which no web server sends. A connection closed
// before any answer shows as status 0.
bool IsHttpAnswer(const CHttpFile& file, DWORD status)
{
    std::string raw;
    if (status < 100 || status > 599 || !file.QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, raw))
        return false;
    std::size_t statusLineEnd = raw.find("\r\n");
    return statusLineEnd != std::string::npos && raw.compare(statusLineEnd, 4, "\r\n\r\n") != 0 &&
           statusLineEnd + 2 < raw.size();
}

void PageTransfer::Run(const std::string& firstUrl, DWORD flags)
{
    CInternetSession session("HttpClient", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    std::string url = firstUrl;
    for (int redirects = 0;; ++redirects) {
        std::unique_ptr<CHttpFile> file = Open(session, url, flags | INTERNET_FLAG_NO_AUTO_REDIRECT);
        bool follow = file && TakeAnswer(*file, url, redirects);
        if (file)
            file->Close();
        if (!follow)
            break;
    }
    session.Close();
}

std::unique_ptr<CHttpFile> PageTransfer::Open(CInternetSession& session, const std::string& url, DWORD flags)
{
    try {
        return session.OpenURL(url, 1, flags, nullptr, 0);
    } catch (const CInternetException& e) {
        SetAnswer(StatusOfError(e.m_dwError), 0, -1);
        return nullptr;
    }
}

// True when the answer is a redirect to follow, and url is now its target.
bool PageTransfer::TakeAnswer(CHttpFile& file, std::string& url, int redirectsDone)
{
    DWORD status = 0;
    if (!file.QueryInfoStatusCode(status) || !IsHttpAnswer(file, status)) {
        SetAnswer(PageStatus::BadAnswer, 0, -1);
        return false;
    }
    if (IsRedirectStatus(status)) {
        std::string location;
        std::string target = redirectsDone < kMaxRedirects && file.QueryInfo(HTTP_QUERY_LOCATION, location)
                                 ? RedirectTarget(url, location)
                                 : std::string();
        if (target.empty())
            SetAnswer(PageStatus::BadAnswer, status, -1);
        url = target;
        // A redirect is a sign of life too; an abandoned page goes no further.
        return !target.empty() && Received(1);
    }
    std::string retryAfter;
    if (IsBusyStatus(status))
        file.QueryInfo(HTTP_QUERY_RETRY_AFTER, retryAfter);
    SetAnswer(StatusOf(status), status, ParseRetryAfter(retryAfter));
    if (status == 200)
        ReadBody(file);
    return false;
}

void PageTransfer::ReadBody(CHttpFile& file)
{
    std::size_t bodyBytes = 0;
    std::string pending;
    int lines = 0;
    char chunk[4096];
    while (lines < kMaxLines && bodyBytes < kMaxBodyBytes) {
        UINT got = file.ReadAvailable(chunk, sizeof(chunk));
        if (got == 0 || !Received(got))
            break;
        std::size_t keep = std::min<std::size_t>(got, kMaxBodyBytes - bodyBytes);
        bodyBytes += keep;
        std::size_t scanned = pending.size();
        pending.append(chunk, keep);
        std::size_t whole = 0;
        for (std::size_t nl = pending.find('\n', scanned); lines < kMaxLines && nl != std::string::npos;
             nl = pending.find('\n', nl + 1)) {
            ++lines;
            whole = nl + 1;
        }
        if (whole > 0 && !AddLines(pending.substr(0, whole)))
            return;
        pending.erase(0, whole);
    }
    // The last line may have no line break, or be cut at the byte bound.
    if (lines < kMaxLines && !pending.empty())
        AddLines(pending);
}

bool PageTransfer::AddLines(const std::string& lines)
{
    if (body == PageBody::AsSent) {
        std::lock_guard<std::mutex> hold(mutex);
        result.text += lines;
        return !abandoned;
    }
    PageText converted;
    AppendPageLines(lines, converted);
    std::lock_guard<std::mutex> hold(mutex);
    result.page.Append(converted);
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
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(pageDeadlineMs.load());
    unsigned long long seen = ~0ull;
    bool done = false;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        done = finished.WaitFor(static_cast<DWORD>(std::max<long long>(0, std::min<long long>(stallLimitMs, left))));
        std::lock_guard<std::mutex> hold(mutex);
        if (done || bytesSeen == seen || Clock::now() >= deadline)
            break;
        seen = bytesSeen;
    }
    std::lock_guard<std::mutex> hold(mutex);
    abandoned = !done;
    PageResult answer = result;
    if (abandoned)
        answer.status = PageStatus::TimedOut;
    if (body == PageBody::Cp936Lines)
        answer.text = answer.page.Text();
    TrimRight(answer.text);
    answer.page.Truncate(answer.text.size());
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
    if (std::none_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }))
        return;
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                    text[i + 1] <= 0xDFFF;
        out += pair ? L'\xFFFD' : text[i];
        i += pair ? 1 : 0;
    }
    text.swap(out);
}

// Calls take(start, length) for each line of text, without its "\n" or "\r\n".
template <class Take>
void ForEachLine(const std::string& text, Take take)
{
    for (std::size_t start = 0; start < text.size();) {
        std::size_t nl = std::min(text.find('\n', start), text.size());
        std::size_t end = nl > start && text[nl - 1] == '\r' ? nl - 1 : nl;
        take(start, end - start);
        start = nl + 1;
    }
}

}

std::string ConvertPageLines(const std::string& lines)
{
    std::string out;
    // Line breaks are the same single bytes in both code pages and never
    // part of a character, so one call converts the lines as they would be
    // one by one, at a fraction of the cost. A NUL would end that call early.
    if (lines.find('\0') == std::string::npos) {
        const std::string converted = ConvertCodePage(lines, CP_UTF8, kPageCodePage);
        ForEachLine(converted,
                    [&](std::size_t start, std::size_t length) { out.append(converted, start, length) += "\r\n"; });
        return out;
    }
    ForEachLine(lines, [&](std::size_t start, std::size_t length) {
        out += ConvertCodePage(lines.substr(start, length), CP_UTF8, kPageCodePage) + "\r\n";
    });
    return out;
}

void AppendPageLines(const std::string& lines, PageText& page)
{
    const std::string converted = ConvertPageLines(lines);
    std::vector<std::string> sources;
    ForEachLine(lines, [&](std::size_t start, std::size_t length) { sources.push_back(lines.substr(start, length)); });
    std::size_t line = 0;
    // Every converted line ends in "\r\n"; its source is the UTF-8 line of the same number.
    ForEachLine(converted, [&](std::size_t start, std::size_t length) {
        const std::string cp936 = converted.substr(start, length + 2);
        const bool matched =
            (line < sources.size() && page.AppendMatching(cp936, sources[line] + "\r\n")) ||
            page.AppendMatching(cp936,
                                ConvertCodePage(converted.substr(start, length), kPageCodePage, CP_UTF8) + "\r\n");
        if (!matched)
            page.AppendUnmatched(cp936);
        ++line;
    });
}

void SetStallLimitMs(unsigned milliseconds)
{
    stallLimitMs = milliseconds;
}

void SetPageDeadlineMs(unsigned milliseconds)
{
    pageDeadlineMs = milliseconds;
}

PageResult FetchPageResult(const std::string& url, FetchMode mode, PageBody body)
{
    DWORD flags = INTERNET_FLAG_TRANSFER_ASCII | (mode == FetchMode::Batch ? kBatchFlags : 0);
    auto transfer = std::make_shared<PageTransfer>(body);
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

PageResult FetchPageRetrying(const std::string& url, FetchMode mode, PageBody body)
{
    PageResult result = FetchPageResult(url, mode, body);
    for (int retries = 0;; ++retries) {
        int delay = RetryDelayMs(result, retries);
        if (delay < 0)
            return result;
        ::Sleep(static_cast<DWORD>(delay));
        result = FetchPageResult(url, mode, body);
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
