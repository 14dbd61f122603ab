#include "listctrl/SortingHeader.h"

void SortingHeader::ShowSortMark(int column, BOOL ascending)
{
    sortColumn = column;
    sortAscending = ascending;
}
