#pragma once

#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_QUILLFIND_DIALOG 102
#define IDR_MAINFRAME       128
// The hyperlink labels load it by this number (HyperLinkLabel::kHandCursorId).
#define IDC_HAND_CURSOR     136
#define IDI_SEARCH          137
#define IDI_SHELF           138
// The shelf button's drop-down menu, and the toolbar whose strip gives its glyphs.
#define IDR_SHELF_MENU      139
#define IDR_SHELF_GLYPHS    140

#define IDC_RESULT_LIST     1000
#define IDC_SEARCH_BUTTON   1001
#define IDC_ISBN_EDIT       1002
#define IDC_INTRO_EDIT      1003
#define IDC_COVER_FRAME     1005
#define IDC_CREDIT_LABEL    1007
#define IDC_HELP_LABEL      1009
#define IDC_SHELF_BUTTON    1010
#define IDC_STATUS_LINE     1011
#define IDC_SHELF_COUNT     1012

#define IDM_ABOUTBOX        0x0010
#define ID_COPY_ROW         10001
#define ID_SHELF_ADD        10002
#define ID_SHELF_SAVE_AS    10003
#define ID_SHELF_CLEAR      10004
#define ID_SHELF_FOLDER     10005
#define ID_SHELF_ABOUT      10006
