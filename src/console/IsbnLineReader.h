#pragma once
#include <functional>
#include <string>

// Standard input's lines as a batch reads them: a UTF-8 byte-order mark at
// the very start is skipped (Notepad writes one), a line ends with LF or
// CR LF, lines of nothing but spaces and tabs are skipped, and a line is
// cut at 1,024 bytes, so that a file without line breaks cannot fill memory.
class IsbnLineReader {
public:
    using NextByte = std::function<int()>;  // a byte, or EOF at the end

    explicit IsbnLineReader(NextByte next);
    // The next line that is not blank, without its line break; false at the end.
    bool Next(std::string& line);

private:
    NextByte next;
    bool atStart = true;
};

// Text of over 64 characters is no ISBN, however cleaned; it is reported as
// its first 20 characters and "…". Empty for shorter text. Code page 936.
std::string CutOverlongIsbn(const std::string& text);
