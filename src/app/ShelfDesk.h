#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include <windows.h>

#include "app/ShelfSettings.h"
#include "lookup/SourceOutcome.h"
#include "shelf/Shelf.h"
#include "shelf/ShelfExport.h"

// The window's side of the shelf: opens it, adds a search's book, saves it
// elsewhere, clears it, and tells the user what happened (message boxes,
// texts in code page 936).
class ShelfDesk {
public:
    explicit ShelfDesk(ShelfSettings settings);

    // What the window says once about the shelf at start; empty when all is well.
    std::string Open();
    // The record of found[selected]'s book, the other outcomes filling its
    // gaps. True only once it is on the disk; a duplicate or a failure is
    // shown to the user.
    bool Add(HWND owner, const std::string& isbn, const std::vector<SourceOutcome>& found, std::size_t selected);
    // Asks for a file; the format follows the file type chosen.
    void SaveAs(HWND owner);
    bool SaveTo(HWND owner, const std::wstring& path, ShelfExportFormat format);
    // Asks first; the shelf becomes PATH.bak.
    void Clear(HWND owner);
    void OpenFolder();

    std::size_t Count() const { return shelf.Count(); }
    // "书架：N", or what stands for a shelf that is not open.
    std::string CountText() const;

private:
    std::string Reason(ShelfFault fault) const;
    bool Reopen(HWND owner);
    void Tell(HWND owner, const std::string& utf8, UINT type = MB_OK | MB_ICONWARNING) const;

    const ShelfSettings settings;
    Shelf shelf;
};
