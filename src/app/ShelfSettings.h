#pragma once
#include <string>

#include "marc/MarcRecord.h"

class CWinApp;

// The shelf from the profile's section "Shelf": "file" (default
// Quillfind-shelf.mrc in the user's documents folder) and "format"
// (marc21 or unimarc, default marc21).
struct ShelfSettings {
    std::wstring file;  // none: no shelf
    MarcFlavour format = MarcFlavour::Marc21;
    // A bad format, named (code page 936): the shelf is not opened then.
    std::string problem;
};

ShelfSettings LoadShelfSettings(const CWinApp& app);
