#pragma once
#include <string>

// A valid 10- or 13-digit ISBN, without separators, hyphenated by the ISBN agency's ranges:
// "9787020026560" becomes "978-7-02-002656-0". An ISBN that no range covers comes back as given.
std::string HyphenateIsbn(const std::string& isbn);
