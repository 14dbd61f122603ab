#include "controls/HyperLinkLabel.h"

#include <utility>

#include <shellapi.h>

#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"

namespace {

// Set while one of the labels holds the mouse capture; shared by all.
bool linkCaptured = false;

HyperLinkLabel::ShellOpenHook& ShellOpen()
{
    static HyperLinkLabel::ShellOpenHook hook;
    return hook;
}

INT_PTR OpenWithShell(HWND owner, const std::wstring& url)
{
    if (ShellOpen())
        return ShellOpen()(owner, url);
    return reinterpret_cast<INT_PTR>(::ShellExecuteW(owner, L"open", url.c_str(), nullptr, nullptr, SW_SHOW));
}

const char kCannotOpen[] = "提供的超级链接或者指定的文件无法执行";

}

BEGIN_MESSAGE_MAP(HyperLinkLabel, CStatic)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void HyperLinkLabel::SetShellOpenHook(ShellOpenHook hook)
{
    ShellOpen() = std::move(hook);
}

void HyperLinkLabel::SetLink(const std::string& newUrl, COLORREF link, COLORREF visitedLink, COLORREF hoverLink,
                             BOOL underlined)
{
    url = newUrl;
    linkColor = link;
    visitedColor = visitedLink;
    hoverColor = hoverLink;
    underline = underlined;
}

BOOL HyperLinkLabel::OpenLink()
{
    HWND owner = GetParent().GetSafeHwnd();
    if (OpenWithShell(owner, MultiByteToWide(url)) > 32)
        return TRUE;
    AfxMessageBox(Cp936FromUtf8(kCannotOpen));
    return FALSE;
}

// Without SS_NOTIFY a static is transparent to the mouse.
void HyperLinkLabel::PreSubclassWindow()
{
    EnsureNotify();
    CStatic::PreSubclassWindow();
}

void HyperLinkLabel::EnsureNotify() const
{
    if (!(GetStyle() & SS_NOTIFY))
        ModifyStyle(0, SS_NOTIFY);
}

HBRUSH HyperLinkLabel::CtlColor(DCView dc, UINT)
{
    EnsureNotify();
    if ((GetStyle() & SS_TYPEMASK) > SS_RIGHT)
        return nullptr;  // an icon, frame or picture keeps the default look
    if (!linkFont.GetSafeHandle())
        CreateLinkFont();
    dc.SelectObject(linkFont);
    dc.SetTextColor(TextColor());
    dc.SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

// Once only: later changes of underline or of the control's font do not count.
void HyperLinkLabel::CreateLinkFont()
{
    HFONT font = GetFont();
    LOGFONTW description{};
    ::GetObjectW(font ? font : ::GetStockObject(SYSTEM_FONT), sizeof(description), &description);
    description.lfUnderline = underline ? TRUE : FALSE;
    linkFont.CreateFontIndirect(&description);
    // Wine's static selects its own font after asking for colours, over the
    // one CtlColor selects; as the control's font it holds either way.
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.GetSafeHandle()), FALSE);
}

COLORREF HyperLinkLabel::TextColor() const
{
    if (visited)
        return visitedColor;
    return hover ? hoverColor : linkColor;
}

// With the capture the label sees every move, so also the one that leaves it.
void HyperLinkLabel::OnMouseMove(UINT, POINT point)
{
    RECT client;
    GetClientRect(&client);
    if (::PtInRect(&client, point)) {
        hover = TRUE;
        if (!linkCaptured) {
            SetCapture();
            linkCaptured = true;
            Invalidate();
        }
    } else {
        hover = FALSE;
        if (linkCaptured) {
            linkCaptured = false;
            ::ReleaseCapture();
            Invalidate();
        }
    }
    Default();
}

// Opening failed or not, the link counts as visited.
void HyperLinkLabel::OnLButtonDown(UINT, POINT)
{
    OpenLink();
    visited = TRUE;
    Invalidate();
    Default();
}

BOOL HyperLinkLabel::OnSetCursor(WndView, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kHandCursorId)));
    return TRUE;
}

// Another window (the browser a click brings up) took the capture: without
// this the flag would stay set and no label would hover again.
void HyperLinkLabel::OnCaptureChanged(WndView)
{
    linkCaptured = false;
    hover = FALSE;
    Invalidate();
}
