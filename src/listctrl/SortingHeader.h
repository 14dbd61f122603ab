#pragma once
#include <windows.h>

#include "framework/DCView.h"
#include "framework/HeaderCtrl.h"

// The result list's header: remembers the last sorted column and direction
// and draws that column's item with a 3-D arrow. Loads stored column widths.
class SortingHeader : public CHeaderCtrl {
public:
    // Makes the column owner-drawn; it stays so after another is sorted.
    void ShowSortMark(int column, BOOL ascending);

    // Reads a count and, if it matches the item count, that many widths. A
    // block that ends early keeps the widths read so far.
    void Serialize(CArchive& archive) override;
    // Paints into drawItem->hDC and leaves its state as it was.
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    int sortColumn = -1;
    BOOL sortAscending = TRUE;

private:
    void SetWidth(int column, int width);
    bool IsSortColumn(const DRAWITEMSTRUCT& drawItem) const;
    void DrawLabel(DCView dc, const DRAWITEMSTRUCT& drawItem) const;
    void DrawArrow(DCView dc, const RECT& item) const;
};
