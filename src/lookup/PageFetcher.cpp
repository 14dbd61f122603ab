#include "lookup/PageFetcher.h"

#include "framework/CodePage.h"
#include "framework/InternetSession.h"
#include "lookup/Extraction.h"

namespace {

const int kMaxLines = 850;
// Bounds a body without line breaks, or an endless one.
const std::size_t kMaxBodyBytes = 4u << 20;
// WinINet would otherwise wait on a stalled server for as long as it likes.
const DWORD kReceiveTimeoutMs = 10000;
const DWORD kConnectTimeoutMs = 10000;

void ReadBody(CHttpFile& file, std::string& result)
{
    std::size_t bodyBytes = 0;
    std::string line;
    for (int count = 0; count < kMaxLines; ++count) {
        if (!file.ReadString(line, kMaxBodyBytes - bodyBytes + 1))
            return;
        bodyBytes += line.size() + 1;
        if (bodyBytes > kMaxBodyBytes)
            return;
        result += ConvertCodePage(line, CP_UTF8, kPageCodePage);
        result += "\r\n";
    }
}

}

std::string FetchPage(const std::string& url)
{
    std::string result;
    CInternetSession session("HttpClient", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, kConnectTimeoutMs);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, kReceiveTimeoutMs);
    std::unique_ptr<CHttpFile> file;
    try {
        file = session.OpenURL(url, 1, INTERNET_FLAG_TRANSFER_ASCII, nullptr, 0);
    } catch (const CInternetException&) {
        session.Close();
        return result;
    }
    DWORD status = 0;
    if (file->QueryInfoStatusCode(status) && status == 200) {
        ReadBody(*file, result);
        TrimRight(result);
    }
    file->Close();
    session.Close();
    return result;
}

std::string ConvertCodePage(const std::string& text, unsigned fromCodePage, unsigned toCodePage)
{
    const std::string untilNul(text.c_str());
    return WideToMultiByte(MultiByteToWide(untilNul, fromCodePage), toCodePage);
}
