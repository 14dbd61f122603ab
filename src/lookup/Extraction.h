#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/PageText.h"

// Where a value lies in its page: the bytes [begin, end), none when begin == end.
struct TextSpan {
    std::string::size_type begin = 0, end = 0;
};

// Marker scans over code page 936 page text. Positions are bytes; only the
// first occurrence of a marker counts. A missing marker, or a page that ends
// before the value's delimiter, yields the empty string.
std::string ExtractAfterTags(const std::string& page, const std::string& marker, int n);
std::string ExtractQuoted(const std::string& page, const std::string& marker);
std::string ExtractIntro(const std::string& page, const std::string& marker);

// The text from the n-th ">" after position p up to the next "<"; empty when cut off.
std::string ValueAfterTags(const std::string& page, std::string::size_type p, int n);

// Where the functions above find their values. The introduction's span is
// its text before IntroLines.
TextSpan SpanAfterTags(const std::string& page, std::string::size_type p, int n);
TextSpan FindAfterTags(const std::string& page, const std::string& marker, int n);
TextSpan FindQuoted(const std::string& page, const std::string& marker);
TextSpan FindIntro(const std::string& page, const std::string& marker);
// The introduction's paragraphs as lines: "<p>" goes, "</p>" ends a line.
std::string IntroLines(std::string text);

// The slot's value (code page 936) and its UTF-8 form from the span of the page.
void SetSlot(FieldSlot& slot, const PageText& page, TextSpan span);

// Copies the slot values into dest, trimming the non-empty ones.
void ExportValues(const BookRecord& record, ResultFields& dest);
// The same for the values' UTF-8 forms.
void ExportTexts(const BookRecord& record, ResultFields& dest);

std::string TrimWhiteSpace(const std::string& text);
void TrimRight(std::string& text);
