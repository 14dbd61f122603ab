#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/Wnd.h"

namespace {

// Each typed handler writes what it was given; the table says what it
// should have been given and what the message should return.
class Recorder : public CWnd {
public:
    std::string log;

protected:
    void Put(const std::string& text) { log = text; }
    static std::string Num(LONG_PTR n) { return std::to_string(n); }

    void OnMouseMove(UINT flags, POINT p) { Put("move " + Num(flags) + " " + Num(p.x) + "," + Num(p.y)); }
    void OnLButtonDown(UINT flags, POINT p) { Put("down " + Num(flags) + " " + Num(p.x) + "," + Num(p.y)); }
    void OnMouseLeave() { Put("leave"); }
    BOOL OnSetCursor(WndView wnd, UINT hitTest, UINT message)
    {
        Put("cursor " + Num(wnd.GetSafeHwnd() == GetSafeHwnd()) + " " + Num(hitTest) + " " + Num(message));
        return TRUE;
    }
    void OnCaptureChanged(WndView gaining) { Put("capture " + Num(reinterpret_cast<LONG_PTR>(gaining.GetSafeHwnd()))); }
    BOOL OnEraseBkgnd(DCView dc)
    {
        Put("erase " + Num(reinterpret_cast<LONG_PTR>(dc.GetSafeHandle())));
        return TRUE;
    }
    void OnEnable(BOOL enable) { Put("enable " + Num(enable)); }
    void OnActivate(UINT state, WndView other, BOOL minimized)
    {
        Put("activate " + Num(state) + " " + Num(reinterpret_cast<LONG_PTR>(other.GetSafeHwnd())) + " " +
            Num(minimized));
    }
    void OnKillFocus(WndView gaining) { Put("killfocus " + Num(reinterpret_cast<LONG_PTR>(gaining.GetSafeHwnd()))); }
    void OnCancelMode() { Put("cancelmode"); }
    void OnSysColorChange() { Put("syscolor"); }
    UINT OnGetDlgCode()
    {
        Put("dlgcode");
        return DLGC_DEFPUSHBUTTON;
    }
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item) { Put("measure " + Num(id) + " " + Num(item->CtlType)); }
    LRESULT OnMenuChar(UINT character, UINT flags, MenuView menu)
    {
        Put("menuchar " + Num(character) + " " + Num(flags) + " " +
            Num(reinterpret_cast<LONG_PTR>(menu.GetSafeHandle())));
        return MAKELRESULT(2, MNC_EXECUTE);
    }
    LRESULT OnSetStyle(UINT style, LPARAM redraw)
    {
        Put("setstyle " + Num(style) + " " + Num(redraw));
        return 0;
    }
    void OnSetCheck(UINT state) { Put("setcheck " + Num(state)); }
    UINT OnGetCheck()
    {
        Put("getcheck");
        return BST_CHECKED;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Recorder, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSELEAVE()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_ERASEBKGND()
    ON_WM_ENABLE()
    ON_WM_ACTIVATE()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_GETDLGCODE()
    ON_WM_MEASUREITEM()
    ON_WM_MENUCHAR()
    ON_BM_SETSTYLE()
    ON_BM_SETCHECK()
    ON_BM_GETCHECK()
END_MESSAGE_MAP()

}  // namespace

TEST(MessageEntries, HandlersGetTheMessageParametersTypedAndReturnTheirResult)
{
    Recorder wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_OVERLAPPEDWINDOW, {0, 0, 100, 100}, nullptr, 0));
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::string log;
        LRESULT result;
    } cases[] = {
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 7), "move 1 -3,7", 0},
        {WM_LBUTTONDOWN, 0, MAKELPARAM(4, -2), "down 0 4,-2", 0},
        {WM_MOUSELEAVE, 0, 0, "leave", 0},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         "cursor 1 1 512", TRUE},
        {WM_CAPTURECHANGED, 0, 0x1234, "capture 4660", 0},
        {WM_ERASEBKGND, 0x5678, 0, "erase 22136", TRUE},
        {WM_ENABLE, FALSE, 0, "enable 0", 0},
        {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0x42, "activate 0 66 1", 0},
        {WM_KILLFOCUS, 0x99, 0, "killfocus 153", 0},
        {WM_CANCELMODE, 0, 0, "cancelmode", 0},
        {WM_SYSCOLORCHANGE, 0, 0, "syscolor", 0},
        {WM_GETDLGCODE, 0, 0, "dlgcode", DLGC_DEFPUSHBUTTON},
        {WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item), "measure 0 1", TRUE},
        {WM_MENUCHAR, MAKEWPARAM('a', MF_POPUP), 0x77, "menuchar 97 16 119", MAKELRESULT(2, MNC_EXECUTE)},
        {BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE, "setstyle 1 1", 0},
        {BM_SETCHECK, BST_INDETERMINATE, 0, "setcheck 2", 0},
        {BM_GETCHECK, 0, 0, "getcheck", BST_CHECKED},
    };
    for (const Case& c : cases) {
        wnd.log.clear();
        EXPECT_EQ(wnd.SendMessage(c.message, c.wParam, c.lParam), c.result) << c.log;
        EXPECT_EQ(wnd.log, c.log);
    }
    wnd.DestroyWindow();
}
