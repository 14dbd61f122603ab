#pragma once
#include <string>

// Chinese code pages, which YAZ's own converters do not know: the Windows
// programs have the platform's, the host build iconv.
class CodePageDecoder {
public:
    static constexpr unsigned kGbk = 936;  // GB2312 and its extension GBK
    static constexpr unsigned kGb18030 = 54936;

    virtual ~CodePageDecoder() = default;
    // The bytes as UTF-8; false when any of them is not text of the code
    // page (nothing then is promised of utf8).
    virtual bool ToUtf8(unsigned codePage, const std::string& bytes, std::string& utf8) const = 0;
};
