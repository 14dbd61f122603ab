#pragma once
#include <string>

#include "marc/BookColumns.h"

// Spreadsheet rows of books, RFC 4180, UTF-8: a source's name, the ISBN and the list's columns, then the
// introduction when asked for.

// The byte-order mark and the header row ("来源" and the list's column titles).
std::string CsvHeader(bool withIntro);
std::string CsvRow(const std::string& source, const std::string& isbn, const ResultFields& values, bool withIntro);
// One field: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& value);
