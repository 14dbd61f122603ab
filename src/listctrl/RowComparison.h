#pragma once
#include <string>
#include <vector>

// Order of the result list's rows by the text of the sort column. The text's
// form picks the order: all digits (or empty) by value, dd/mm/yyyy by date,
// anything else by the injected collator.

// Plain-text order: negative, 0 or positive. The Windows side passes a
// locale-aware one; a null collator falls back to unsigned byte order.
using TextCollator = int (*)(const std::string&, const std::string&);

// Every byte an ASCII digit; the empty text counts too.
bool IsNumberText(const std::string& text);

// Exactly "dd/mm/yyyy" in form; values are not range-checked.
bool IsDateText(const std::string& text);

// Compares atoi-style values (leading white space, sign, digits) of any
// length: -1, 0 or 1. Text without digits is 0.
int CompareNumberTexts(const std::string& a, const std::string& b);

// Compares year (bytes 6-9), then month (3-4), then day (0-1), each read
// atoi-style from its byte range: -1, 0 or 1. Bytes past the end of a text
// read as end of text, so a short b is safe.
int CompareDateTexts(const std::string& a, const std::string& b);

// The list's comparison of two rows' texts. The form of t1 alone decides the
// method; descending swaps the arguments rather than negating the result.
int CompareRowTexts(const std::string& t1, const std::string& t2, bool ascending, TextCollator collate);

// As CompareRowTexts on column `column` of two rows. A null row (its item data
// not set yet) or a column it does not have reads as the empty text, which is
// the number 0: such rows group with empty cells and zero values.
int CompareRowData(const std::vector<std::string>* row1, const std::vector<std::string>* row2, int column,
                   bool ascending, TextCollator collate);
