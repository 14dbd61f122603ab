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
