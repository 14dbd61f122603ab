#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "DialogTemplate.h"
#include "GuiResources.h"
#include "WaitFor.h"
#include "controls/ButtonLook.h"
#include "controls/HoverButton.h"
#include "framework/Brush.h"
#include "framework/CodePage.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MemDC.h"
#include "framework/ScopedSelect.h"

namespace {

constexpr WORD kEditId = 1002;
constexpr WORD kSearchId = 1001;
constexpr WORD kAfterId = 1005;
constexpr WORD kDefaultId = 1003;
constexpr WORD kCheckId = 1004;
constexpr UINT kMenuId = 900;
constexpr UINT kFirstCommand = 901;
constexpr int kWidth = 80;
constexpr int kHeight = 36;
const COLORREF kRed = RGB(255, 0, 0);

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// A 32 x 32 opaque icon with the colour of each pixel.
IconHandle MakeIcon(const std::function<COLORREF(int x, int y)>& colour)
{
    DWORD bits[32 * 32];
    for (int i = 0; i < 32 * 32; ++i) {
        COLORREF c = colour(i % 32, i / 32);
        bits[i] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }
    CBitmap image;
    image.CreateBitmap(32, 32, 1, 32, bits);
    CBitmap mask;
    mask.CreateBitmap(32, 32, 1, 1, nullptr);
    {
        CMemDC dc(nullptr);
        ScopedSelect select(dc, mask);
        ::PatBlt(dc.GetSafeHandle(), 0, 0, 32, 32, BLACKNESS);
    }
    ICONINFO info{TRUE, 0, 0, mask, image};
    return IconHandle(::CreateIconIndirect(&info));
}

class ButtonDialog : public CDialog {
public:
    using CDialog::CDialog;
    HoverButton search;
    HoverButton defaultButton;
    HoverButton checkBox;
    int clicks = 0;
    int menuCommands = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, kSearchId, search);
        DDX_Control(dx, kDefaultId, defaultButton);
        DDX_Control(dx, kCheckId, checkBox);
    }
    void OnSearch() { ++clicks; }
    void OnFirstCommand() { ++menuCommands; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ButtonDialog, CDialog)
    ON_BN_CLICKED(kSearchId, OnSearch)
    ON_COMMAND(kFirstCommand, OnFirstCommand)
END_MESSAGE_MAP()

DialogTemplate MakeTemplate()
{
    DialogTemplate t(WS_POPUP | WS_VISIBLE, L"buttons", 200, 60);
    t.AddControl(DialogTemplate::kEdit, kEditId, WS_TABSTOP | WS_BORDER, {5, 5, 45, 17});
    t.AddControl(DialogTemplate::kButton, kSearchId, WS_TABSTOP | BS_PUSHBUTTON, {50, 5, 100, 25}, L"Go");
    t.AddControl(DialogTemplate::kEdit, kAfterId, WS_TABSTOP | WS_BORDER, {105, 5, 145, 17});
    t.AddControl(DialogTemplate::kButton, kDefaultId, BS_DEFPUSHBUTTON, {5, 35, 45, 50}, L"OK");
    t.AddControl(DialogTemplate::kButton, kCheckId, BS_CHECKBOX, {50, 35, 100, 50}, L"Check");
    return t;
}

// A button face drawn into a memory bitmap.
class Face {
public:
    Face(HoverButton& button, UINT state) : dc(nullptr)
    {
        HDC screen = ::GetDC(nullptr);
        bitmap.CreateCompatibleBitmap(screen, kWidth, kHeight);
        ::ReleaseDC(nullptr, screen);
        select.emplace(dc, bitmap);
        DRAWITEMSTRUCT item{ODT_BUTTON,
                            kSearchId,
                            0,
                            ODA_DRAWENTIRE,
                            state,
                            button.GetSafeHwnd(),
                            dc.GetSafeHandle(),
                            {0, 0, kWidth, kHeight},
                            0};
        button.DrawItem(&item);
    }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    // Pixels of colour inside the frame right of the icon: their bounding box.
    RECT Find(COLORREF colour) const
    {
        RECT box{kWidth, kHeight, -1, -1};
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = 36; x < kWidth - 1; ++x)
                if (At(x, y) == colour)
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                           std::max<LONG>(box.bottom, y)};
        return box;
    }

private:
    CMemDC dc;
    CBitmap bitmap;
    std::optional<ScopedSelect> select;
};

class HoverButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create());
        ::SetWindowPos(dialog.GetSafeHwnd(), HWND_TOPMOST, 520, 380, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        button = dialog.search.GetSafeHwnd();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    // The pointer to the button, as the platform's leave tracking wants it.
    void Move(UINT keys)
    {
        POINT point{10, 10};
        ::ClientToScreen(button, &point);
        ::SetCursorPos(point.x, point.y);
        ::SendMessageW(button, WM_MOUSEMOVE, keys, MAKELPARAM(10, 10));
    }
    bool Lit() { return Face(dialog.search, 0).At(0, 0) == Sys(COLOR_BTNHIGHLIGHT); }
    bool Tracked()
    {
        TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
        ::TrackMouseEvent(&query);
        return (query.dwFlags & TME_LEAVE) && query.hwndTrack == button;
    }
    void Click(HWND target, bool twice = false)
    {
        ::SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        if (!twice)
            return;
        ::SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog.GetSafeHwnd(), id); }

    DialogTemplate dialogTemplate = MakeTemplate();
    ButtonDialog dialog{dialogTemplate.Get()};
    HWND button = nullptr;
};

TEST_F(HoverButtonTest, OwnerDrawnWithTheDialogCodesOfDefaultAndPlainButtons)
{
    for (int id : {kSearchId, kDefaultId, kCheckId})
        EXPECT_EQ(::GetWindowLongW(Item(id), GWL_STYLE) & 0x1F, BS_OWNERDRAW) << id;
    LRESULT plain = ::SendMessageW(button, WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(plain & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_UNDEFPUSHBUTTON);
    LRESULT byDefault = ::SendMessageW(Item(kDefaultId), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(byDefault & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_DEFPUSHBUTTON);
    ::SendMessageW(Item(kDefaultId), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_TRUE(::SendMessageW(Item(kDefaultId), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(::GetWindowLongW(Item(kDefaultId), GWL_STYLE) & 0x1F, BS_OWNERDRAW);
}

TEST_F(HoverButtonTest, HoverStartsOnceWithOneLeaveRequestAndEndsOnEveryExit)
{
    Move(MK_LBUTTON);
    EXPECT_FALSE(Lit());
    EXPECT_FALSE(Tracked());
    Move(0);
    EXPECT_TRUE(Lit());
    EXPECT_TRUE(Tracked());
    TRACKMOUSEEVENT cancel{sizeof(cancel), TME_CANCEL | TME_LEAVE, button, 0};
    ::TrackMouseEvent(&cancel);
    Move(0);
    EXPECT_FALSE(Tracked()) << "a second move over the button asks again";

    const std::pair<const char*, std::function<void()>> exits[] = {
        {"leave", [&] { ::SendMessageW(button, WM_MOUSELEAVE, 0, 0); }},
        {"deactivation", [&] { ::SendMessageW(button, WM_ACTIVATE, WA_INACTIVE, 0); }},
        {"focus loss",
         [&] {
             ::SetFocus(button);
             ::SetFocus(Item(kEditId));
         }},
        {"cancel mode", [&] { ::SendMessageW(button, WM_CANCELMODE, 0, 0); }},
        {"disabling",
         [&] {
             ::EnableWindow(button, FALSE);
             ::EnableWindow(button, TRUE);
         }},
    };
    for (const auto& [name, exit] : exits) {
        Move(0);
        ASSERT_TRUE(Lit()) << name;
        exit();
        EXPECT_FALSE(Lit()) << name;
    }
}

TEST_F(HoverButtonTest, DisablingMovesTheFocusOnlyFromTheButton)
{
    ::SetFocus(Item(kEditId));
    ::EnableWindow(button, FALSE);
    EXPECT_EQ(::GetFocus(), Item(kEditId));
    ::EnableWindow(button, TRUE);
    ::SetFocus(button);
    ::EnableWindow(button, FALSE);
    EXPECT_EQ(::GetFocus(), Item(kAfterId));
}

TEST_F(HoverButtonTest, ClicksReachTheDialogAndCheckBoxModeTogglesAndTakesChecks)
{
    Click(button);
    EXPECT_EQ(dialog.clicks, 1);
    Click(button, true);
    EXPECT_EQ(dialog.clicks, 3) << "a double click is two";

    HWND check = Item(kCheckId);
    Click(check);
    EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), 1);
    Click(check);
    EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), 0);
    ::SendMessageW(check, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), 1);
    ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(::SendMessageW(button, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(dialog.clicks, 3);
}

TEST_F(HoverButtonTest, FacePerState)
{
    dialog.search.SetIcons(MakeIcon([](int, int) { return kRed; }), IconHandle());
    Face idle(dialog.search, 0);
    EXPECT_EQ(idle.At(0, 0), Sys(COLOR_BTNFACE));
    EXPECT_EQ(idle.At(kWidth - 1, kHeight - 1), Sys(COLOR_BTNFACE));
    // One probe of the icon per state; its placement is checked in ButtonLayoutTest.
    EXPECT_EQ(idle.At(3, 2), kRed);
    RECT title = idle.Find(Sys(COLOR_BTNTEXT));
    ASSERT_GE(title.right, title.left);

    Move(0);
    Face hover(dialog.search, 0);
    EXPECT_EQ(hover.At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(hover.At(kWidth - 1, kHeight - 1), Sys(COLOR_BTNSHADOW));

    Face pressed(dialog.search, ODS_SELECTED);
    EXPECT_EQ(pressed.At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pressed.At(kWidth - 1, kHeight - 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pressed.At(4, 3), kRed);
    EXPECT_NE(pressed.At(3, 2), kRed) << "the pressed icon moves one pixel right and down";
    RECT moved = pressed.Find(Sys(COLOR_BTNTEXT));
    EXPECT_EQ(moved.left, title.left + 1);
    EXPECT_EQ(moved.top, title.top + 1);

    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    Face disabled(dialog.search, ODS_DISABLED);
    EXPECT_NE(disabled.At(3, 2), kRed);
    EXPECT_LT(disabled.Find(Sys(COLOR_BTNTEXT)).right, 0);
    RECT light = disabled.Find(Sys(COLOR_BTNHIGHLIGHT));
    RECT dark = disabled.Find(Sys(COLOR_BTNSHADOW));
    // The highlight copy lies one pixel right of and below the shadow one.
    EXPECT_GT(light.right, dark.right);
    EXPECT_EQ(light.bottom, dark.bottom + 1);
}

// The platform tells top-level windows only; the dialog passes it on.
TEST_F(HoverButtonTest, FaceAndTitleFollowASystemColourChange)
{
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF before[] = {Sys(COLOR_BTNFACE), Sys(COLOR_BTNTEXT)};
    const COLORREF changed[] = {RGB(10, 120, 30), RGB(200, 20, 150)};
    ::SetSysColors(2, elements, changed);
    ::SendMessageW(dialog.GetSafeHwnd(), WM_SYSCOLORCHANGE, 0, 0);
    Face face(dialog.search, 0);
    ::SetSysColors(2, elements, before);
    ::SendMessageW(dialog.GetSafeHwnd(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(face.At(0, 0), changed[0]);
    RECT title = face.Find(changed[1]);
    EXPECT_GE(title.right, title.left);
    EXPECT_EQ(Face(dialog.search, 0).At(0, 0), before[0]);
}

TEST_F(HoverButtonTest, AutoGrayOutIconIsTheGreyOfTheInIconAndShowsUntilHovered)
{
    const COLORREF colours[] = {kRed, RGB(0, 255, 0), RGB(0x80, 0x40, 0x20), RGB(0, 0, 0)};
    auto quadrant = [&](int x, int y) { return colours[(y / 16) * 2 + x / 16]; };
    dialog.search.SetIcons(MakeIcon(quadrant), HoverButton::OutIcon::AutoGray);
    Face out(dialog.search, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(out.At(3 + (i % 2) * 16, 2 + (i / 2) * 16), GrayPixel(colours[i])) << i;
    Move(0);
    EXPECT_EQ(Face(dialog.search, 0).At(3, 2), kRed);
}

TEST_F(HoverButtonTest, BitmapShowsTheBackgroundWhereItHasItsTransparentColour)
{
    HDC screen = ::GetDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, 8, 8);
    ::ReleaseDC(nullptr, screen);
    {
        CMemDC dc(nullptr);
        ScopedSelect select(dc, bitmap);
        RECT left{0, 0, 4, 8}, right{4, 0, 8, 8};
        dc.FillRect(&left, CBrush(kRed));
        dc.FillRect(&right, CBrush(RGB(0, 255, 0)));
    }
    ASSERT_EQ(dialog.search.SetBitmaps(std::move(bitmap), RGB(0, 255, 0), CBitmap(), 0), 0);
    // Left of the title, 3 from the edge, (36 - 8) / 2 from the top; the right half is transparent.
    Face face(dialog.search, 0);
    EXPECT_EQ(face.At(3, 14), kRed);
    EXPECT_EQ(face.At(7, 14), Sys(COLOR_BTNFACE));
}

TEST_F(HoverButtonTest, ClickOpensTheLinkTargetWithTheShell)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring marker = std::wstring(folder) + L"quill-link-" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
    std::wstring script = marker + L".bat";
    std::string command = "echo opened> \"" + WideToMultiByte(marker) + "\"\r\n";
    HANDLE file = ::CreateFileW(script.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, command.data(), static_cast<DWORD>(command.size()), &written, nullptr);
    ::CloseHandle(file);
    dialog.search.SetLinkTarget(WideToMultiByte(script).c_str());
    Click(button);
    EXPECT_TRUE(WaitFor([&] { return ::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
    EXPECT_EQ(dialog.clicks, 1);
    ::DeleteFileW(marker.c_str());
    ::DeleteFileW(script.c_str());
}

// The drop-down menu's item requests as the button's window saw them: the
// measured height, and draw requests for items of a GlyphMenu, which the
// framework hands to that menu object.
struct MenuTraffic {
    HWND button = nullptr;
    UINT measuredHeight = 0;
    int glyphMenuDrawRequests = 0;
    int ticks = 0;
} traffic;

LRESULT CALLBACK WatchMenuItems(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == traffic.button) {
        if (call->message == WM_MEASUREITEM)
            traffic.measuredHeight = reinterpret_cast<const MEASUREITEMSTRUCT*>(call->lParam)->itemHeight;
        if (call->message == WM_DRAWITEM) {
            auto menu = reinterpret_cast<HMENU>(reinterpret_cast<const DRAWITEMSTRUCT*>(call->lParam)->hwndItem);
            traffic.glyphMenuDrawRequests += dynamic_cast<GlyphMenu*>(CMenu::FromHandlePermanent(menu)) ? 1 : 0;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// In the menu's modal loop: choose the first item, or give up.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR, DWORD)
{
    if (++traffic.ticks == 1) {
        ::PostMessageW(traffic.button, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageW(traffic.button, WM_KEYDOWN, VK_RETURN, 0);
    } else if (traffic.ticks == 20) {
        ::EndMenu();
    }
}

TEST_F(HoverButtonTest, DropDownMenuOpensItsFirstSubmenuThroughTheButtonAndTheCommandReachesTheParent)
{
    ASSERT_TRUE(dialog.search.SetMenu(kMenuId, nullptr));
    traffic = MenuTraffic{button};
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, WatchMenuItems, nullptr, ::GetCurrentThreadId());
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, ChooseFirstItem);
    Click(button);
    ::KillTimer(nullptr, timer);
    ::UnhookWindowsHookEx(hook);
    // The command is posted: it arrives through this thread's queue.
    EXPECT_TRUE(WaitFor([&] {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        return dialog.menuCommands != 0;
    }));
    EXPECT_EQ(dialog.menuCommands, 1);
    EXPECT_EQ(dialog.clicks, 1);
    EXPECT_GT(traffic.measuredHeight, 0u);
    EXPECT_GT(traffic.glyphMenuDrawRequests, 0);
}

TEST_F(HoverButtonTest, FiveHundredHoverPressLeaveCyclesKeepGdiAndUserCounts)
{
    dialog.search.LoadIcons(137, 0);
    auto cycle = [&] {
        Move(0);
        ::UpdateWindow(button);
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::UpdateWindow(button);
        ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
        ::UpdateWindow(button);
    };
    cycle();
    unsigned long gdi = LiveGdiObjects();
    unsigned long windows = LiveWindows();
    for (int i = 0; i < 500; ++i)
        cycle();
    EXPECT_LE(LiveGdiObjects(), gdi);
    EXPECT_LE(LiveWindows(), windows);
    EXPECT_EQ(dialog.clicks, 501);
}

}  // namespace
