#pragma once

// Menu templates, the toolbar and its strips of the menu tests.
#define IDM_NESTED 200
#define IDM_SHORTCUTS 201
#define IDM_TRUNCATED 202
#define IDM_EXTENDED 203
#define IDR_GLYPHS 300
#define IDB_GLYPHS256 301

#define ID_FILE_OPEN 101
#define ID_FILE_SAVE 102
#define ID_FILE_EXIT 103
#define ID_RECENT_ONE 201
#define ID_RECENT_TWO 202
#define ID_HELP_ABOUT 301
