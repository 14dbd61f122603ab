#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A page as the sources scan it: code page 936 text, and the same text in UTF-8 with a map from each 936
// byte offset to its UTF-8 offset, so that a value cut from the 936 text has its UTF-8 form cut at the
// same place. A character with no 936 form ("?" there) keeps its own in UTF-8.
class PageText {
public:
    PageText() = default;
    // 936 text without a UTF-8 form of its own (a test's page): see AppendUnmatched.
    PageText(std::string cp936);  // NOLINT: implicit, a page fetch may hand back 936 text alone

    const std::string& Text() const { return text; }
    const std::string& Utf8() const { return utf8; }
    bool empty() const { return text.empty(); }

    // Appends a 936 text and its UTF-8 source when they are the same characters one for one; false, with
    // nothing appended, when they are not (a byte that is no UTF-8, a conversion that stopped early).
    bool AppendMatching(const std::string& cp936, const std::string& utf8Source);
    void Append(const PageText& more);
    // Appends 936 text whose UTF-8 source is lost: ASCII stays, any other character becomes U+FFFD.
    void AppendUnmatched(const std::string& cp936);
    // The UTF-8 form of the 936 bytes [begin, end); a bound inside a character excludes it.
    std::string Utf8Of(std::size_t begin, std::size_t end) const;
    // Keeps the first size bytes of the 936 text and what they map to.
    void Truncate(std::size_t size);

private:
    std::string text;
    std::string utf8;
    std::vector<std::uint32_t> offsets{0};  // one per 936 byte, and one for the end
};
