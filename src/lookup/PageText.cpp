#include "lookup/PageText.h"

#include "framework/LeadByte.h"
#include "marc/MarcText.h"

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

std::size_t Cp936Length(const std::string& text, std::size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

}

PageText::PageText(std::string cp936)
{
    AppendUnmatched(cp936);
}

bool PageText::AppendMatching(const std::string& cp936, const std::string& utf8Source)
{
    std::vector<std::uint32_t> added;
    added.reserve(cp936.size());
    std::size_t u = 0;
    for (std::size_t c = 0; c < cp936.size();) {
        const std::size_t uLength = u < utf8Source.size() ? Utf8SequenceLength(utf8Source, u) : 0;
        const std::size_t cLength = Cp936Length(cp936, c);
        // ASCII is itself in both; any other character is one 936 character ("?" when it has no form).
        if (uLength == 0 || (uLength == 1 && (cLength != 1 || cp936[c] != utf8Source[u])))
            return false;
        const auto at = static_cast<std::uint32_t>(utf8.size() + u);
        added.insert(added.end(), cLength, at);
        c += cLength;
        u += uLength;
    }
    if (u != utf8Source.size())
        return false;
    offsets.pop_back();
    offsets.insert(offsets.end(), added.begin(), added.end());
    text += cp936;
    utf8 += utf8Source;
    offsets.push_back(static_cast<std::uint32_t>(utf8.size()));
    return true;
}

void PageText::Append(const PageText& more)
{
    const auto shift = static_cast<std::uint32_t>(utf8.size());
    offsets.pop_back();
    for (std::uint32_t offset : more.offsets)
        offsets.push_back(shift + offset);
    text += more.text;
    utf8 += more.utf8;
}

void PageText::AppendUnmatched(const std::string& cp936)
{
    offsets.pop_back();
    for (std::size_t c = 0; c < cp936.size();) {
        const std::size_t length = Cp936Length(cp936, c);
        offsets.insert(offsets.end(), length, static_cast<std::uint32_t>(utf8.size()));
        const unsigned char byte = static_cast<unsigned char>(cp936[c]);
        if (byte < 0x80)
            utf8 += static_cast<char>(byte);
        else
            utf8 += kReplacement;
        c += length;
    }
    text += cp936;
    offsets.push_back(static_cast<std::uint32_t>(utf8.size()));
}

std::string PageText::Utf8Of(std::size_t begin, std::size_t end) const
{
    if (end > text.size())
        end = text.size();
    if (begin >= end)
        return std::string();
    // A trail byte maps to its character's start, so an end there leaves the character out; a begin there
    // starts after it.
    const bool trail = begin > 0 && offsets[begin - 1] == offsets[begin];
    const std::uint32_t from = trail ? offsets[begin + 1] : offsets[begin];
    return from < offsets[end] ? utf8.substr(from, offsets[end] - from) : std::string();
}

void PageText::Truncate(std::size_t size)
{
    if (size >= text.size())
        return;
    text.resize(size);
    utf8.resize(offsets[size]);
    offsets.resize(size + 1);
    offsets[size] = static_cast<std::uint32_t>(utf8.size());
}
