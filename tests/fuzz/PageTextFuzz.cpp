// Two texts, split at the first NUL, paired as a page line and its UTF-8 source, then a byte range cut
// from the page: a pairing either holds or leaves the page as it was, and the UTF-8 form of any range is
// a piece of the page's UTF-8 text that starts and ends on character boundaries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lookup/PageText.h"
#include "marc/MarcText.h"

namespace {

bool WellFormed(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string cp936 = input.substr(0, nul);
    const std::string utf8 = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    PageText page("<p>");
    const bool matched = page.AppendMatching(cp936, utf8);
    if (!matched)
        page.AppendUnmatched(cp936);
    if (page.Text() != "<p>" + cp936 || (matched && page.Utf8() != "<p>" + utf8) || !WellFormed(page.Utf8()))
        __builtin_trap();
    const std::size_t n = page.Text().size();
    if (page.Utf8Of(0, n) != page.Utf8())
        __builtin_trap();
    for (std::size_t begin = 0; begin <= n; begin += 1 + begin / 7) {
        const std::size_t end = begin + (size % 13);
        const std::string piece = page.Utf8Of(begin, end);
        if (!WellFormed(piece) || page.Utf8().find(piece) == std::string::npos)
            __builtin_trap();
        if (page.Utf8().compare(0, page.Utf8Of(0, begin).size(), page.Utf8Of(0, begin)) != 0)
            __builtin_trap();
    }
    page.Truncate(n / 2);
    if (page.Utf8Of(0, n) != page.Utf8())
        __builtin_trap();
    return 0;
}
