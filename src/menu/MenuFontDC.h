#pragma once
#include <optional>
#include <string>

#include <windows.h>

#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/ScopedSelect.h"

// The device context of the application's main window (the desktop's when
// there is none), with the system's menu font selected when asked. The
// font, the selection and the context are all released on destruction.
class MenuFontDC {
public:
    explicit MenuFontDC(bool selectMenuFont);
    MenuFontDC(const MenuFontDC&) = delete;
    MenuFontDC& operator=(const MenuFontDC&) = delete;

    HDC GetSafeHandle() const { return dc.GetSafeHandle(); }
    // 0 when the text cannot be measured.
    int TextWidth(const std::wstring& text) const;

    static HWND ReferenceWindow();

private:
    CFont font;
    CClientDC dc;
    std::optional<ScopedSelect> selection;
};
