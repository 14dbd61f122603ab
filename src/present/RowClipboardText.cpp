#include "present/RowClipboardText.h"

#include "listctrl/SortingList.h"

namespace {
const int kCopiedColumns = 10;
}

std::string RowClipboardText(const SortingList& list, int row)
{
    std::string text;
    for (int column = 0; column < kCopiedColumns; ++column)
        text += list.GetColumnText(row, column) + "\t";
    return text;
}
