#pragma once
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include <windows.h>

#include "DialogHarness.h"
#include "WaitFor.h"
#include "lookup/SourceConfig.h"

class BookLookupDialog;
class CoverFrame;
class ShelfDesk;
struct ShelfSettings;
class LookupState;
class SortingList;

// The tests' view of the main window's private state.
class BookLookupDialogProbe {
public:
    static LookupState& Lookup(BookLookupDialog& dialog);
    static SortingList& ResultList(BookLookupDialog& dialog);
    static CoverFrame& Cover(BookLookupDialog& dialog);
    static ShelfDesk& Desk(BookLookupDialog& dialog);
};

// Every worker started so far has published and ended.
bool SearchesDone(BookLookupDialog& dialog);

// Runs the main window against the test catalogue service, or the sources given.
void RunMainWindow(const std::function<void(DialogHarness&, BookLookupDialog&)>& script);
void RunMainWindow(const SourceConfig& sources, const std::function<void(DialogHarness&, BookLookupDialog&)>& script);
void RunMainWindow(const SourceConfig& sources, const ShelfSettings& shelf,
                   const std::function<void(DialogHarness&, BookLookupDialog&)>& script);

// Searches for isbn (UTF-8) as a scanner would and waits until the
// search's workers have ended, so its rows are all in.
bool SearchAndWait(DialogHarness& h, BookLookupDialog& dialog, const std::string& isbn);

// Texts in UTF-8, added straight to the list on the window's thread.
void AddListRow(DialogHarness& h, BookLookupDialog& dialog, const std::vector<std::string>& utf8);
void SelectRows(DialogHarness& h, BookLookupDialog& dialog, const std::vector<int>& rows);
// A mouse click through the list's own message handling, at a point of row.
void ClickRow(DialogHarness& h, int row, bool rightButton = false);
POINT RowPoint(DialogHarness& h, int row);

// Records message boxes instead of showing them, while it lives.
class MessageBoxRecorder {
public:
    struct Box {
        std::string text;  // UTF-8
        std::wstring caption;
        UINT type;
    };
    // Each box answers answer, as if that button were pressed.
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    std::vector<Box> Boxes();

private:
    std::mutex mutex;
    std::vector<Box> boxes;
};

// The clipboard as seen by another program.
std::string ClipboardText();      // CF_TEXT bytes before the NUL
std::wstring ClipboardUnicode();  // CF_UNICODETEXT
LCID ClipboardLocale();           // CF_LOCALE, 0 when absent
void PutClipboardSentinel(const std::wstring& text);

// The colour in the middle of the cover frame (IDC_COVER_FRAME) on screen.
COLORREF FrameCentre(DialogHarness& h);
void PaintFrame(DialogHarness& h, COLORREF colour);
bool IsBlue(COLORREF colour);
// The frame with no picture: the dialog's face shows through.
bool IsEmptyFrame(COLORREF colour);
