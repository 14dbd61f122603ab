#pragma once
#include <memory>
#include <optional>
#include <string>

#include <windows.h>

#include "framework/ImageList.h"

// One item of a GlyphMenu: its text, glyph and flags. Its address is the
// platform item's item data; the menu level whose items hold it owns it.
class GlyphItemRecord {
public:
    GlyphItemRecord() = default;
    GlyphItemRecord(const GlyphItemRecord&) = delete;
    GlyphItemRecord& operator=(const GlyphItemRecord&) = delete;

    // text is code page 936; null stores no text.
    void SetText(const char* text);
    // null stores no text.
    void SetText(const wchar_t* text);
    // Code page 936; the empty string when there is no text.
    std::string GetText() const;
    // The empty string when there is no text.
    std::wstring GetWideText() const { return menuText.value_or(std::wstring()); }

    std::optional<std::wstring> menuText;  // with any "&" and "\t" shortcut
    int glyphIndex = -1;                   // the item's glyph in glyphImages
    int sharedGlyphIndex = -1;             // in GlyphMenu's shared glyph list; -1 none
    int glyphId = -1;                      // -1: no glyph of its own
    UINT flags = 0;                        // MF_ flags last given to the platform
    UINT_PTR commandId = 0;                // a popup's submenu handle; 0 for a separator
    bool claimed = false;                  // mark while re-syncing with the platform
    std::unique_ptr<CImageList> glyphImages;
};
