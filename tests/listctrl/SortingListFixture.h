#pragma once
#include <gtest/gtest.h>

#include "framework/Wnd.h"
#include "listctrl/SortingList.h"

// A report list as control 1000 of a hidden parent, attached to a
// SortingList as the main dialog attaches it.
class SortingListFixture : public ::testing::Test {
protected:
    // The result list's eleven columns and their widths.
    static const wchar_t kHeadings[];
    static const int kWidths[11];

    void SetUp() override;
    void TearDown() override;

    // A click on a heading as the header reports it to the list; the list
    // turns it into LVN_COLUMNCLICK for the parent, which reflects it back.
    void ClickHeading(int column);
    HWND Header() const { return list.GetHeaderCtrl(); }

    CWnd parent;
    SortingList list;
};
