#include "lookup/Extraction.h"

#include "framework/LeadByte.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

// Bytes of the introduction block's tail that are not part of the text.
const std::string::size_type kIntroTail = 69;

// end, or the start of the double-byte character that end falls inside;
// text from begin is walked character by character.
std::string::size_type CharacterBoundary(const std::string& text, std::string::size_type begin,
                                         std::string::size_type end)
{
    std::string::size_type p = begin;
    while (p < end)
        p += IsLeadByte(static_cast<unsigned char>(text[p])) ? 2 : 1;
    return p == end ? end : end - 1;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    std::string::size_type p = 0;
    while ((p = text.find(from, p)) != std::string::npos) {
        text.replace(p, from.size(), to);
        p += to.size();
    }
}

}

TextSpan SpanAfterTags(const std::string& page, std::string::size_type p, int n)
{
    int steps = n < 1 ? 1 : n;
    for (int i = 0; i < steps; ++i) {
        p = page.find('>', p);
        if (p == std::string::npos)
            return TextSpan();
        ++p;
    }
    std::string::size_type end = page.find('<', p);
    if (end == std::string::npos)
        return TextSpan();
    return TextSpan{p, end};
}

TextSpan FindAfterTags(const std::string& page, const std::string& marker, int n)
{
    std::string::size_type start = page.find(marker);
    if (start == std::string::npos)
        return TextSpan();
    return SpanAfterTags(page, start, n);
}

TextSpan FindQuoted(const std::string& page, const std::string& marker)
{
    std::string::size_type start = page.find(marker);
    if (start == std::string::npos)
        return TextSpan();
    std::string::size_type p = start + marker.size();
    std::string::size_type end = page.find('"', p);
    if (end == std::string::npos)
        return TextSpan();
    return TextSpan{p, end};
}

TextSpan FindIntro(const std::string& page, const std::string& marker)
{
    std::string::size_type start = page.find(marker);
    if (start == std::string::npos)
        return TextSpan();
    std::string::size_type s = start + marker.size();
    std::string::size_type e = page.find("</div>", s);
    if (e == std::string::npos || e - s <= kIntroTail)
        return TextSpan();
    return TextSpan{s, CharacterBoundary(page, s, e - kIntroTail)};
}

std::string IntroLines(std::string text)
{
    ReplaceAll(text, "<p>", "");
    ReplaceAll(text, "</p>", "\r\n");
    return text;
}

std::string ValueAfterTags(const std::string& page, std::string::size_type p, int n)
{
    const TextSpan span = SpanAfterTags(page, p, n);
    return page.substr(span.begin, span.end - span.begin);
}

std::string ExtractAfterTags(const std::string& page, const std::string& marker, int n)
{
    const TextSpan span = FindAfterTags(page, marker, n);
    return page.substr(span.begin, span.end - span.begin);
}

std::string ExtractQuoted(const std::string& page, const std::string& marker)
{
    const TextSpan span = FindQuoted(page, marker);
    return page.substr(span.begin, span.end - span.begin);
}

std::string ExtractIntro(const std::string& page, const std::string& marker)
{
    const TextSpan span = FindIntro(page, marker);
    return IntroLines(page.substr(span.begin, span.end - span.begin));
}

void SetSlot(FieldSlot& slot, const PageText& page, TextSpan span)
{
    slot.value = page.Text().substr(span.begin, span.end - span.begin);
    slot.text = page.Utf8Of(span.begin, span.end);
}

void ExportValues(const BookRecord& record, ResultFields& dest)
{
    for (std::size_t i = 0; i < kSlotCount; ++i)
        dest[i] = TrimWhiteSpace(record.slots[i].value);
}

void ExportTexts(const BookRecord& record, ResultFields& dest)
{
    for (std::size_t i = 0; i < kSlotCount; ++i)
        dest[i] = TrimWhiteSpace(record.slots[i].text);
}

std::string TrimWhiteSpace(const std::string& text)
{
    std::string::size_type first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

void TrimRight(std::string& text)
{
    std::string::size_type last = text.find_last_not_of(kWhiteSpace);
    text.erase(last == std::string::npos ? 0 : last + 1);
}
