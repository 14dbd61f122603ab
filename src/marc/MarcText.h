#pragma once
#include <cstddef>
#include <string>

// Text rules shared by the MARC reader, writer and column mapping. All text is UTF-8.

// The length of the well-formed UTF-8 sequence at text[i] (1 to 4), or 0 for a byte that starts none.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i);

// Drops bytes that are not well-formed UTF-8 and characters that no record or XML document may hold: C0
// controls, DEL, U+FFFE and U+FFFF. Tab, line feed, vertical tab, form feed and carriage return become a
// space (CR LF one space), so that words on separate lines stay apart.
std::string CleanMarcText(const std::string& text);

// The longest length not above max that ends on a character boundary of UTF-8 text.
std::size_t Utf8CutPoint(const std::string& text, std::size_t max);

// Removes, until none is left, the spaces and the ISBD punctuation that catalogues put at the end of a
// subfield: " /", " :", " ;", " =", ",", and a final "." that is not part of an ellipsis or set off by
// a space. Everything else stays as written.
std::string StripIsbdPunctuation(const std::string& text);

// Initials closed up as ISBD transcribes them: "J. R. R. Tolkien" becomes "J.R.R. Tolkien".
std::string CloseUpInitials(const std::string& names);

// A subfield as a column shows it: clean, without leading spaces or trailing ISBD punctuation.
std::string MarcValue(const std::string& subfield);
