#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "GuiResources.h"
#include "controls/HyperLinkLabel.h"
#include "framework/AfxMessageBox.h"
#include "framework/Bitmap.h"
#include "framework/ClientDC.h"
#include "framework/CodePage.h"
#include "framework/Font.h"
#include "framework/MemDC.h"
#include "framework/ScopedSelect.h"

namespace {

constexpr COLORREF kLink = RGB(0, 0, 255);
constexpr COLORREF kVisited = RGB(255, 0, 0);
constexpr COLORREF kHover = RGB(125, 125, 0);
constexpr int kWidth = 120;
constexpr int kHeight = 24;
const LPARAM kInside = MAKELPARAM(3, 3);
const LPARAM kOutside = MAKELPARAM(kWidth + 20, 3);

// The label's own paint, into a white bitmap.
class Canvas {
public:
    explicit Canvas(HWND label) : screen(nullptr), memory(screen.GetSafeHandle())
    {
        bitmap.CreateCompatibleBitmap(screen.GetSafeHandle(), kWidth, kHeight);
        ScopedSelect select(memory, bitmap);
        RECT all{0, 0, kWidth, kHeight};
        memory.FillRect(&all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHandle()), PRF_CLIENT);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(memory.GetPixel(x, y));
    }
    int Count(COLORREF color) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), color)); }
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * kWidth + x)]; }
    int LongestRun(COLORREF color) const
    {
        int longest = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0, run = 0; x < kWidth; ++x) {
                run = At(x, y) == color ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        return longest;
    }

private:
    CClientDC screen;
    CMemDC memory;
    CBitmap bitmap;
    std::vector<COLORREF> pixels;
};

class LinkLabel : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0));
        LOGFONTW description{};
        description.lfHeight = -16;
        wcscpy(description.lfFaceName, L"Tahoma");
        font.CreateFontIndirect(&description);
        ASSERT_TRUE(label.SubclassWindow(MakeStatic(SS_LEFT, L"i i i i i i")));
        label.SetLink("https://quillfind.example", kLink, kVisited, kHover, TRUE);
        HyperLinkLabel::SetShellOpenHook([this](HWND owner, const std::wstring& url) -> INT_PTR {
            opened.push_back(url);
            owners.push_back(owner);
            return 42;
        });
    }
    void TearDown() override
    {
        HyperLinkLabel::SetShellOpenHook(nullptr);
        SetMessageBoxHook(nullptr);
        parent.DestroyWindow();
    }

    HWND MakeStatic(DWORD style, const wchar_t* text)
    {
        HWND control = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, kWidth, kHeight,
                                         parent.GetSafeHwnd(), reinterpret_cast<HMENU>(1009),
                                         ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), FALSE);
        return control;
    }
    COLORREF Shown() const
    {
        Canvas canvas(label.GetSafeHwnd());
        for (COLORREF color : {kLink, kVisited, kHover})
            if (canvas.Count(color) > 10)
                return color;
        return CLR_INVALID;
    }

    CFont font;
    CWnd parent;
    HyperLinkLabel label;
    std::vector<std::wstring> opened;
    std::vector<HWND> owners;
};

}  // namespace

TEST_F(LinkLabel, PaintsLinkHoverAndVisitedColoursAndOpensItsUrlOnClick)
{
    struct Step {
        UINT message;
        LPARAM point;
        COLORREF shown;
    };
    const Step steps[] = {
        {WM_NULL, 0, kLink},
        {WM_MOUSEMOVE, kInside, kHover},
        {WM_MOUSEMOVE, kOutside, kLink},
        {WM_LBUTTONDOWN, kInside, kVisited},
        {WM_MOUSEMOVE, kInside, kVisited},
        {WM_MOUSEMOVE, kOutside, kVisited},
    };
    for (const Step& step : steps) {
        label.SendMessage(step.message, 0, step.point);
        EXPECT_EQ(Shown(), step.shown) << "after message " << step.message;
    }
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], L"https://quillfind.example");
    EXPECT_EQ(owners[0], parent.GetSafeHwnd());
}

TEST_F(LinkLabel, NonTextStaticKeepsTheDefaultColoursAndFont)
{
    HyperLinkLabel icon;
    ASSERT_TRUE(icon.SubclassWindow(MakeStatic(SS_ICON, L"")));
    icon.SetLink("x", kLink, kVisited, kHover, TRUE);
    Canvas(icon.GetSafeHwnd());  // first use of the paint path
    unsigned long gdi = LiveGdiObjects();
    EXPECT_EQ(Canvas(icon.GetSafeHwnd()).At(1, 1), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(LiveGdiObjects(), gdi);  // no link font made
}

TEST_F(LinkLabel, UnderlineOffAfterTheFirstPaintLeavesTheTextUnderlined)
{
    Canvas first(label.GetSafeHwnd());
    label.SetLink("x", kLink, kVisited, kHover, FALSE);
    // Six narrow letters and the gaps between them: only an underline makes a long run.
    EXPECT_GT(Canvas(label.GetSafeHwnd()).LongestRun(kLink), 30);
}

TEST_F(LinkLabel, CaptureTakenByAnotherWindowEndsHoverAndTheNextEntryHoversAgain)
{
    label.SendMessage(WM_MOUSEMOVE, 0, kInside);
    ASSERT_EQ(::GetCapture(), label.GetSafeHwnd());
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, L"browser", WS_OVERLAPPEDWINDOW, {0, 0, 100, 100}, nullptr, 0));
    other.SetCapture();
    EXPECT_EQ(Shown(), kLink);
    ::ReleaseCapture();

    label.SendMessage(WM_MOUSEMOVE, 0, kInside);
    EXPECT_EQ(::GetCapture(), label.GetSafeHwnd());
    EXPECT_EQ(Shown(), kHover);
    label.SendMessage(WM_MOUSEMOVE, 0, kOutside);
}

TEST_F(LinkLabel, CaptureIsReleasedWhenThePointerLeaves)
{
    label.SendMessage(WM_MOUSEMOVE, 0, kInside);
    ASSERT_EQ(::GetCapture(), label.GetSafeHwnd());
    label.SendMessage(WM_MOUSEMOVE, 0, kInside);
    EXPECT_EQ(::GetCapture(), label.GetSafeHwnd());
    label.SendMessage(WM_MOUSEMOVE, 0, kOutside);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(LinkLabel, HandCursorOverTheEmptyMarginToo)
{
    POINT margin{kWidth - 2, kHeight - 2};  // right of and below the short text
    label.ClientToScreen(&margin);
    EXPECT_EQ(label.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(margin.x, margin.y)), HTCLIENT);
    EXPECT_TRUE(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.GetSafeHwnd()),
                                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    HCURSOR hand = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(HyperLinkLabel::kHandCursorId));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(::GetCursor(), hand);
}

TEST_F(LinkLabel, FailedShellOpenShowsTheMessageAndStillMarksTheLinkVisited)
{
    HyperLinkLabel::SetShellOpenHook(nullptr);
    std::vector<std::wstring> texts;
    SetMessageBoxHook([&](const std::wstring& text, const std::wstring&, UINT) {
        texts.push_back(text);
        return IDOK;
    });
    label.SetLink("Z:\\quillfind-no-such-dir\\missing.quillfind", kLink, kVisited, kHover, TRUE);
    label.SendMessage(WM_LBUTTONDOWN, 0, kInside);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], L"提供的超级链接或者指定的文件无法执行");
    EXPECT_EQ(Shown(), kVisited);
}

TEST_F(LinkLabel, TwoHundredHoversLeaveNoGdiOrUserObjects)
{
    auto cycle = [this] {
        label.SendMessage(WM_MOUSEMOVE, 0, kInside);
        Canvas hovered(label.GetSafeHwnd());
        label.SendMessage(WM_MOUSEMOVE, 0, kOutside);
        Canvas left(label.GetSafeHwnd());
    };
    cycle();  // the link font is made once
    unsigned long gdi = LiveGdiObjects(), windows = LiveWindows();
    for (int i = 0; i < 200; ++i)
        cycle();
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(LiveWindows(), windows);
}
