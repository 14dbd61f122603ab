#pragma once

#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_QUILLFIND_DIALOG 102
#define IDR_MAINFRAME       128
// The hyperlink labels load it by this number (HyperLinkLabel::kHandCursorId).
#define IDC_HAND_CURSOR     136
#define IDI_SEARCH          137

#define IDC_RESULT_LIST     1000
#define IDC_SEARCH_BUTTON   1001
#define IDC_ISBN_EDIT       1002
#define IDC_INTRO_EDIT      1003
#define IDC_COVER_FRAME     1005
#define IDC_CREDIT_LABEL    1007
#define IDC_HELP_LABEL      1009

#define IDM_ABOUTBOX        0x0010
#define ID_COPY_ROW         10001
