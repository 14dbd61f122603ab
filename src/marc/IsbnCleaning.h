#pragma once
#include <string>

// --clean: removes spaces and hyphens and upper-cases a final x, then checks
// the check digit of a 10- or 13-digit ISBN. False when the text is no such
// ISBN; *isbn then holds the text as read.
bool CleanIsbn(const std::string& text, std::string* isbn);

// The ISBN's other form: the 978-prefixed ISBN-13 of a valid ISBN-10, the
// ISBN-10 of a valid 978 ISBN-13. Empty for anything else, 979 included,
// which has no ISBN-10. Takes the ISBN as written, without hyphens.
std::string OtherIsbnForm(const std::string& isbn);
