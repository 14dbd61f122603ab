#pragma once
#include <windows.h>

#include "framework/HeaderCtrl.h"

// The result list's header: remembers the last sorted column and direction.
class SortingHeader : public CHeaderCtrl {
public:
    void ShowSortMark(int column, BOOL ascending);

    int sortColumn = -1;
    BOOL sortAscending = TRUE;
};
