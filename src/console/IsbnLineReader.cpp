#include "console/IsbnLineReader.h"

#include <cstdio>
#include <utility>

namespace {

const std::size_t kMaxLineBytes = 1024;
const std::size_t kMaxIsbnCharacters = 64;
const std::size_t kShownCharacters = 20;
const char kByteOrderMark[] = "\xEF\xBB\xBF";
const char kEllipsis[] = "\xA1\xAD";  // "…" in code page 936

// The bytes of text's first count characters: a code page 936 lead byte and
// the byte after it are one.
std::size_t CharacterBytes(const std::string& text, std::size_t count)
{
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count) {
        unsigned char c = static_cast<unsigned char>(text[at]);
        at += c >= 0x81 && c <= 0xFE && at + 1 < text.size() ? 2 : 1;
    }
    return at;
}

}

IsbnLineReader::IsbnLineReader(NextByte n) : next(std::move(n))
{
}

bool IsbnLineReader::Next(std::string& line)
{
    for (;;) {
        line.clear();
        int c;
        while ((c = next()) != EOF && c != '\n')
            if (line.size() < kMaxLineBytes)
                line += static_cast<char>(c);
        if (atStart && line.compare(0, 3, kByteOrderMark) == 0)
            line.erase(0, 3);
        atStart = false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            return true;
        if (c == EOF)
            return false;
    }
}

std::string CutOverlongIsbn(const std::string& text)
{
    if (CharacterBytes(text, kMaxIsbnCharacters) == text.size())
        return std::string();
    return text.substr(0, CharacterBytes(text, kShownCharacters)) + kEllipsis;
}
