#pragma once
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/ListCtrl.h"
#include "listctrl/SortingHeader.h"

// Report list of the results. Each row's item data is a RowData that the
// list owns and frees when the row is deleted (the parent, a CWnd, reflects
// the list's deletion notices). UI thread only: AddRow is several messages,
// and a sort or a clear between them would move its row.
class SortingList : public CListCtrl {
public:
    // Entries "title,width" separated by ";" (code page 936).
    BOOL CreateColumns(const std::string& headings);
    // Strings beyond columnCount are ignored; missing ones count as empty.
    // The row shows shown (UTF-8) when given, else texts; it sorts and
    // copies by texts.
    int AddRow(const std::vector<std::string>& texts, const std::vector<std::string>& shown = {});
    void FreeRowData(int row);
    void DeleteAllRows();
    void SortColumn(int column, BOOL ascending);
    // Widths from the profile entry named after the control id in section
    // "ListCtrls", when its count matches the columns.
    void LoadColumnState();
    // The row's stored copy of a column's text; empty for a freed row.
    std::string GetColumnText(int row, int column) const;
    // What the row shows in the column, as UTF-16.
    std::wstring GetShownText(int row, int column) const;

    SortingHeader sortHeader;
    int columnCount = 0;
    int sortColumn = -1;
    BOOL sortAscending = TRUE;

protected:
    // LVM_SORTITEMS comparison; the sort parameter is the list.
    static int CALLBACK CompareRows(LPARAM row1, LPARAM row2, LPARAM list);

    void PreSubclassWindow() override;
    void OnColumnClick(NMHDR* notification, LRESULT* result);
    void OnDeleteItem(NMHDR* notification, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
