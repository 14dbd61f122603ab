#pragma once
#include <functional>
#include <string>

#include <windows.h>

#include "framework/Font.h"
#include "framework/Static.h"

// A text static that acts as a web link: underlined, in the link colour,
// the hover colour while the pointer is over it and the visited colour once
// clicked; a pointing hand over it; a click asks the shell to open url.
class HyperLinkLabel : public CStatic {
public:
    // The pointing hand, a cursor resource of the program.
    static constexpr int kHandCursorId = 136;

    // url is code page 936. Neither repaints nor changes a font made already.
    void SetLink(const std::string& url, COLORREF link, COLORREF visited, COLORREF hover, BOOL underline);
    BOOL OpenLink();

    // Test seam: while set, called instead of the shell's "open" of url with
    // the owner window; returns what ShellExecute would. Empty restores the shell.
    using ShellOpenHook = std::function<INT_PTR(HWND owner, const std::wstring& url)>;
    static void SetShellOpenHook(ShellOpenHook hook);

protected:
    void PreSubclassWindow() override;
    HBRUSH CtlColor(DCView dc, UINT ctlColor);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
    BOOL OnSetCursor(WndView wnd, UINT hitTest, UINT message);
    void OnCaptureChanged(WndView gaining);

    DECLARE_MESSAGE_MAP()

private:
    void EnsureNotify() const;
    void CreateLinkFont();
    COLORREF TextColor() const;

    // Until SetLink, the platform's link colours.
    COLORREF linkColor = RGB(0, 0, 255);
    COLORREF visitedColor = RGB(128, 0, 128);
    COLORREF hoverColor = RGB(0, 0, 255);
    BOOL hover = FALSE;
    BOOL visited = FALSE;
    BOOL underline = FALSE;
    std::string url;
    CFont linkFont;
};
