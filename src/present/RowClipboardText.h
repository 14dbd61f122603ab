#pragma once
#include <string>

class SortingList;

// A row as one spreadsheet line: the texts of columns 0 to 9 (code page
// 936), each followed by a tab, without a line break. The cover URL in
// column 10 stays out.
std::string RowClipboardText(const SortingList& list, int row);
// The same columns as the row shows them, as UTF-16.
std::wstring RowClipboardUnicode(const SortingList& list, int row);
