#pragma once
#include <string>

// --clean: removes spaces and hyphens and upper-cases a final x, then checks
// the check digit of a 10- or 13-digit ISBN. False when the text is no such
// ISBN; *isbn then holds the text as read.
bool CleanIsbn(const std::string& text, std::string* isbn);
