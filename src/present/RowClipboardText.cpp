#include "present/RowClipboardText.h"

#include "listctrl/SortingList.h"
#include "lookup/ResultColumns.h"

std::string RowClipboardText(const SortingList& list, int row)
{
    std::string text;
    for (int column = 0; column < kCopiedColumnCount; ++column)
        text += list.GetColumnText(row, column) + "\t";
    return text;
}

std::wstring RowClipboardUnicode(const SortingList& list, int row)
{
    std::wstring text;
    for (int column = 0; column < kCopiedColumnCount; ++column)
        text += list.GetShownText(row, column) + L"\t";
    return text;
}
