#pragma once
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

// List view wrapper; each operation is one message to the control.
class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    int GetColumnWidth(int column) const;
    int InsertItem(const LVITEMW* item);
    int InsertItem(int index, const std::string& text);
    int InsertItem(int index, const std::wstring& text);
    BOOL SetItem(const LVITEMW* item);
    BOOL SetItemText(int index, int subItem, const std::string& text);
    BOOL SetItemText(int index, int subItem, const std::wstring& text);
    std::string GetItemText(int index, int subItem) const;
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    BOOL SetItemState(int index, UINT state, UINT mask);
    int GetItemCount() const;
    int GetNextItem(int start, UINT flags) const;
    DWORD SetExtendedStyle(DWORD style);
    HWND GetHeaderCtrl() const;
    BOOL DeleteAllItems();
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM data);
};
