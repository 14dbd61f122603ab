#pragma once
#include <string>

#include "lookup/BookRecord.h"

// Marker scans over code page 936 page text. Positions are bytes; only the
// first occurrence of a marker counts. A missing marker, or a page that ends
// before the value's delimiter, yields the empty string.
std::string ExtractAfterTags(const std::string& page, const std::string& marker, int n);
std::string ExtractQuoted(const std::string& page, const std::string& marker);
std::string ExtractIntro(const std::string& page, const std::string& marker);

// The text from the n-th ">" after position p up to the next "<"; empty when cut off.
std::string ValueAfterTags(const std::string& page, std::string::size_type p, int n);

// Copies the slot values into dest, trimming the non-empty ones.
void ExportValues(const BookRecord& record, ResultFields& dest);

std::string TrimWhiteSpace(const std::string& text);
void TrimRight(std::string& text);
