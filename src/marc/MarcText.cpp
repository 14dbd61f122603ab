#include "marc/MarcText.h"

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}

std::size_t Utf8SequenceLength(const std::string& text, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80)
        return 1;
    std::size_t length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if (!IsContinuation(static_cast<unsigned char>(text[i + k])))
            return 0;
    const unsigned char next = static_cast<unsigned char>(text[i + 1]);
    // Overlong forms, UTF-16 surrogates and code points above U+10FFFF.
    if ((c == 0xE0 && next < 0xA0) || (c == 0xED && next > 0x9F) || (c == 0xF0 && next < 0x90) ||
        (c == 0xF4 && next > 0x8F))
        return 0;
    return length;
}

namespace {

bool IsNonCharacter(const std::string& text, std::size_t i, std::size_t length)
{
    return length == 3 && text.compare(i, 2, "\xEF\xBF") == 0 && static_cast<unsigned char>(text[i + 2]) >= 0xBE;
}

bool IsSpace(char c)
{
    return c == ' ';
}

bool EndsWith(const std::string& text, const char* tail)
{
    const std::string t(tail);
    return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A single letter followed by a full stop at text[dot], or ending the text: its full stop is end punctuation.
bool IsInitialAt(const std::string& text, std::size_t dot)
{
    return dot >= 1 && (dot == text.size() || (dot < text.size() && text[dot] == '.')) && IsLetter(text[dot - 1]) &&
           (dot == 1 || !IsLetter(text[dot - 2]));
}

// One removal step; false when the text ends in nothing to strip.
bool StripOnce(std::string& text)
{
    if (!text.empty() && IsSpace(text.back())) {
        text.pop_back();
        return true;
    }
    for (const char* mark : {" /", " :", " ;", " ="}) {
        if (EndsWith(text, mark)) {
            text.resize(text.size() - 2);
            return true;
        }
    }
    if (EndsWith(text, ",")) {
        text.pop_back();
        return true;
    }
    if (text.size() >= 2 && text.back() == '.' && text[text.size() - 2] != '.' && !IsSpace(text[text.size() - 2])) {
        text.pop_back();
        return true;
    }
    return false;
}

}

std::string CleanMarcText(const std::string& text)
{
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            ++i;
            continue;
        }
        // A line break of CR LF is one space, like LF alone.
        const bool crBeforeLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (c >= 0x09 && c <= 0x0D && !crBeforeLf)
            clean += ' ';
        else if (c >= 0x20 && c != 0x7F && !IsNonCharacter(text, i, length))
            clean.append(text, i, length);
        i += length;
    }
    return clean;
}

std::size_t Utf8CutPoint(const std::string& text, std::size_t max)
{
    if (max >= text.size())
        return text.size();
    while (max > 0 && IsContinuation(static_cast<unsigned char>(text[max])))
        --max;
    return max;
}

std::string StripIsbdPunctuation(const std::string& text)
{
    std::string stripped = text;
    while (StripOnce(stripped)) {
    }
    return stripped;
}

std::string CloseUpInitials(const std::string& names)
{
    std::string closed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        closed += names[i];
        if (!IsInitialAt(names, i))
            continue;
        const std::size_t next = names.find_first_not_of(' ', i + 1);
        if (next != std::string::npos && next > i + 1 && IsInitialAt(names, next + 1))
            i = next - 1;
    }
    return closed;
}

std::string MarcValue(const std::string& subfield)
{
    const std::string clean = CleanMarcText(subfield);
    const std::size_t start = clean.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : StripIsbdPunctuation(clean.substr(start));
}
