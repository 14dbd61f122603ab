#pragma once
#include <windows.h>

#include "framework/DCView.h"
#include "framework/Rgn.h"

// Selects a pen, brush, font or bitmap into a device context and selects
// the previous one again in the destructor. A region becomes the clip
// region; the previous clip region (or none) comes back in the destructor,
// because selecting a region copies it and returns no handle to restore.
class ScopedSelect {
public:
    ScopedSelect(DCView dc, HGDIOBJ object);
    ~ScopedSelect();
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc;
    bool clipRegion;
    HGDIOBJ previous = nullptr;
    CRgn previousClip;
};
