#include "MainWindowSupport.h"

#include <cstdlib>
#include <cstring>

#include <commctrl.h>

#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"
#include "resource.h"

void RunMainWindow(const std::function<void(DialogHarness&, BookLookupDialog&)>& script)
{
    RunMainWindow(TestSourceConfig(), script);
}

void RunMainWindow(const SourceConfig& sources, const std::function<void(DialogHarness&, BookLookupDialog&)>& script)
{
    RunMainWindow(sources, ShelfSettings(), script);
}

void RunMainWindow(const SourceConfig& sources, const ShelfSettings& shelf,
                   const std::function<void(DialogHarness&, BookLookupDialog&)>& script)
{
    BookLookupDialog dialog(sources, shelf);
    DialogHarness harness;
    harness.Run(dialog, [&](DialogHarness& h) { script(h, dialog); });
}

LookupState& BookLookupDialogProbe::Lookup(BookLookupDialog& dialog)
{
    return *dialog.lookupState;
}

SortingList& BookLookupDialogProbe::ResultList(BookLookupDialog& dialog)
{
    return dialog.resultsList;
}

CoverFrame& BookLookupDialogProbe::Cover(BookLookupDialog& dialog)
{
    return *dialog.cover;
}

ShelfDesk& BookLookupDialogProbe::Desk(BookLookupDialog& dialog)
{
    return dialog.desk;
}

bool SearchesDone(BookLookupDialog& dialog)
{
    const LookupState& state = BookLookupDialogProbe::Lookup(dialog);
    return state.WorkersEnded() == state.WorkersStarted();
}

bool SearchAndWait(DialogHarness& h, BookLookupDialog& dialog, const std::string& isbn)
{
    unsigned started = BookLookupDialogProbe::Lookup(dialog).WorkersStarted();
    h.Search(isbn);
    return WaitFor(
        [&] { return BookLookupDialogProbe::Lookup(dialog).WorkersStarted() > started && SearchesDone(dialog); });
}

void AddListRow(DialogHarness& h, BookLookupDialog& dialog, const std::vector<std::string>& utf8)
{
    std::vector<std::string> texts;
    for (const std::string& text : utf8)
        texts.push_back(Cp936FromUtf8(text));
    h.OnUiThread([&] { BookLookupDialogProbe::ResultList(dialog).AddRow(texts); });
}

void SelectRows(DialogHarness& h, BookLookupDialog& dialog, const std::vector<int>& rows)
{
    h.OnUiThread([&] {
        BookLookupDialogProbe::ResultList(dialog).SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            BookLookupDialogProbe::ResultList(dialog).SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    });
}

POINT RowPoint(DialogHarness& h, int row)
{
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    ::SendMessageW(h.Item(IDC_RESULT_LIST), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
    return POINT{bounds.left + 30, (bounds.top + bounds.bottom) / 2};
}

void ClickRow(DialogHarness& h, int row, bool rightButton)
{
    POINT at = RowPoint(h, row);
    LPARAM where = MAKELPARAM(at.x, at.y);
    HWND list = h.Item(IDC_RESULT_LIST);
    ::PostMessageW(list, rightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, rightButton ? MK_RBUTTON : MK_LBUTTON, where);
    ::PostMessageW(list, rightButton ? WM_RBUTTONUP : WM_LBUTTONUP, 0, where);
}

MessageBoxRecorder::MessageBoxRecorder(int answer)
{
    SetMessageBoxHook([this, answer](const std::wstring& text, const std::wstring& caption, UINT type) {
        std::lock_guard<std::mutex> hold(mutex);
        boxes.push_back(Box{WideToMultiByte(text, CP_UTF8), caption, type});
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHook(MessageBoxHook());
}

std::vector<MessageBoxRecorder::Box> MessageBoxRecorder::Boxes()
{
    std::lock_guard<std::mutex> hold(mutex);
    return boxes;
}

namespace {

template <typename Char>
std::basic_string<Char> ReadClipboard(UINT format)
{
    std::basic_string<Char> text;
    if (!::OpenClipboard(nullptr))
        return text;
    HANDLE data = ::GetClipboardData(format);
    const auto* chars = data ? static_cast<const Char*>(::GlobalLock(data)) : nullptr;
    if (chars) {
        text = chars;
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

}

std::string ClipboardText()
{
    return ReadClipboard<char>(CF_TEXT);
}

std::wstring ClipboardUnicode()
{
    return ReadClipboard<wchar_t>(CF_UNICODETEXT);
}

LCID ClipboardLocale()
{
    LCID locale = 0;
    if (!::OpenClipboard(nullptr))
        return locale;
    if (HGLOBAL block = ::GetClipboardData(CF_LOCALE)) {
        locale = *static_cast<const LCID*>(::GlobalLock(block));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return locale;
}

void PutClipboardSentinel(const std::wstring& text)
{
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_UNICODETEXT, block);
    ::CloseClipboard();
}

COLORREF FrameCentre(DialogHarness& h)
{
    HWND frame = h.Item(IDC_COVER_FRAME);
    RECT rect;
    ::GetClientRect(frame, &rect);
    HDC dc = ::GetDC(frame);
    COLORREF colour = ::GetPixel(dc, rect.right / 2, rect.bottom / 2);
    ::ReleaseDC(frame, dc);
    return colour;
}

void PaintFrame(DialogHarness& h, COLORREF colour)
{
    HWND frame = h.Item(IDC_COVER_FRAME);
    RECT rect;
    ::GetClientRect(frame, &rect);
    HDC dc = ::GetDC(frame);
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(frame, dc);
}

bool IsEmptyFrame(COLORREF colour)
{
    return colour == ::GetSysColor(COLOR_BTNFACE);
}

bool IsBlue(COLORREF colour)
{
    return std::abs(GetRValue(colour) - 0) <= 3 && std::abs(GetGValue(colour) - 0) <= 3 &&
           std::abs(GetBValue(colour) - 255) <= 3;
}
