#pragma once
#include <string>

#include "lookup/SourceOutcome.h"

// One output line: the source, a tab, the ISBN, then slots 0..9 (and the
// introduction with its line breaks written as "\n" when withIntro), each
// after a tab. Code page 936 text, as the clipboard holds it.
std::string FormatRow(const std::string& isbn, const SourceOutcome& found, bool withIntro);

// Line breaks become the two characters "\n", so a row stays on one line.
std::string EscapeLineBreaks(const std::string& text);
