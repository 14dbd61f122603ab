#include "listctrl/SortingList.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "framework/Archive.h"
#include "framework/CodePage.h"
#include "framework/MemFile.h"
#include "framework/WinApp.h"
#include "listctrl/HeadingSpec.h"
#include "listctrl/LocaleCollator.h"
#include "listctrl/RowComparison.h"
#include "listctrl/RowData.h"

namespace {

// A row whose data AddRow has not set yet is 0; it reads as empty texts.
const std::vector<std::string>* RowTexts(LPARAM row)
{
    return row ? &reinterpret_cast<const RowData*>(row)->columnTexts : nullptr;
}

std::wstring ShownText(const RowData& data, int column)
{
    const auto c = static_cast<size_t>(column);
    if (c < data.shownTexts.size())
        return MultiByteToWide(data.shownTexts[c], CP_UTF8);
    return c < data.columnTexts.size() ? MultiByteToWide(data.columnTexts[c]) : std::wstring();
}

}  // namespace

BEGIN_MESSAGE_MAP(SortingList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(LVN_DELETEITEM, OnDeleteItem)
END_MESSAGE_MAP()

BOOL SortingList::CreateColumns(const std::string& headings)
{
    for (const HeadingEntry& entry : ParseHeadingSpec(headings)) {
        // The count includes a column whose insertion fails.
        if (InsertColumn(columnCount++, entry.title, LVCFMT_LEFT, entry.width) == -1)
            return FALSE;
    }
    return TRUE;
}

int SortingList::AddRow(const std::vector<std::string>& texts, const std::vector<std::string>& shown)
{
    std::vector<std::string> copies(texts.begin(), texts.begin() + std::min<size_t>(texts.size(), columnCount));
    copies.resize(static_cast<size_t>(columnCount));
    std::vector<std::string> shownCopies;
    if (!shown.empty()) {
        shownCopies.assign(shown.begin(), shown.begin() + std::min<size_t>(shown.size(), columnCount));
        shownCopies.resize(static_cast<size_t>(columnCount));
    }
    auto data = std::make_unique<RowData>(std::move(copies), std::move(shownCopies));
    int row = InsertItem(GetItemCount(), ShownText(*data, 0));
    if (row == -1)
        return -1;
    for (int column = 1; column < columnCount; ++column)
        SetItemText(row, column, ShownText(*data, column));
    // From here the list owns the row data; its deletion frees it.
    if (SetItemData(row, reinterpret_cast<DWORD_PTR>(data.get())))
        data.release();
    return row;
}

void SortingList::FreeRowData(int row)
{
    std::unique_ptr<RowData> data(reinterpret_cast<RowData*>(GetItemData(row)));
    SetItemData(row, 0);
}

void SortingList::DeleteAllRows()
{
    DeleteAllItems();
}

void SortingList::SortColumn(int column, BOOL ascending)
{
    sortAscending = ascending;
    sortColumn = column;
    sortHeader.ShowSortMark(column, ascending);
    SortItems(CompareRows, reinterpret_cast<LPARAM>(this));
}

int CALLBACK SortingList::CompareRows(LPARAM row1, LPARAM row2, LPARAM list)
{
    const auto* self = reinterpret_cast<const SortingList*>(list);
    return CompareRowData(RowTexts(row1), RowTexts(row2), self->sortColumn, self->sortAscending != FALSE,
                          LocaleCollate);
}

void SortingList::LoadColumnState()
{
    const CWinApp* app = AfxGetApp();
    std::vector<BYTE> block;
    // GetProfileBinary fails for an empty entry, so a found block has bytes.
    if (!app || !app->GetProfileBinary("ListCtrls", std::to_string(GetDlgCtrlID()), block))
        return;
    CMemFile file(std::move(block));
    CArchive archive(file);
    sortHeader.Serialize(archive);
    sortHeader.InvalidateRect(nullptr, TRUE);
}

std::string SortingList::GetColumnText(int row, int column) const
{
    const auto* data = reinterpret_cast<const RowData*>(GetItemData(row));
    if (!data || column < 0 || static_cast<size_t>(column) >= data->columnTexts.size())
        return std::string();
    return data->columnTexts[static_cast<size_t>(column)];
}

std::wstring SortingList::GetShownText(int row, int column) const
{
    const auto* data = reinterpret_cast<const RowData*>(GetItemData(row));
    return data && column >= 0 ? ShownText(*data, column) : std::wstring();
}

void SortingList::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    // Without a header this fails and changes nothing.
    sortHeader.SubclassWindow(GetHeaderCtrl());
}

void SortingList::OnColumnClick(NMHDR* notification, LRESULT* result)
{
    int column = reinterpret_cast<NMLISTVIEW*>(notification)->iSubItem;
    SortColumn(column, column != sortColumn ? TRUE : !sortAscending);
    *result = 0;
}

// The list reports every row it deletes, one by one, also when its window
// is destroyed; the parent reflects the report here.
void SortingList::OnDeleteItem(NMHDR* notification, LRESULT* result)
{
    FreeRowData(reinterpret_cast<NMLISTVIEW*>(notification)->iItem);
    *result = 0;
}
