#include <stdexcept>
#include <type_traits>

#include <gtest/gtest.h>

#include "DebugOutput.h"
#include "framework/Wnd.h"

namespace {

constexpr UINT WM_ANSWER = WM_APP;
constexpr UINT WM_THROW = WM_APP + 1;
constexpr UINT WM_BASE_ONLY = WM_APP + 2;

class BaseWnd : public CWnd {
public:
    int destroyCount = 0;
    int preSubclassCount = 0;

protected:
    void PreSubclassWindow() override { ++preSubclassCount; }
    LRESULT OnBaseOnly(WPARAM, LPARAM) { return 7; }
    LRESULT OnAnswer(WPARAM wParam, LPARAM) { return 1000 + static_cast<LRESULT>(wParam); }
    void OnDestroy()
    {
        ++destroyCount;
        CWnd::OnDestroy();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_MESSAGE(WM_BASE_ONLY, OnBaseOnly)
    ON_MESSAGE(WM_ANSWER, OnAnswer)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// Overrides one of its base's entries and adds two.
class TestWnd : public BaseWnd {
protected:
    LRESULT OnAnswer(WPARAM wParam, LPARAM) { return 42 + static_cast<LRESULT>(wParam); }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failure"); }
    // Sends a message whose handler throws, then lets the original
    // procedure set the text it was given.
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        SendMessage(WM_THROW);
        return Default();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestWnd, BaseWnd)
    ON_MESSAGE(WM_ANSWER, OnAnswer)
    ON_MESSAGE(WM_THROW, OnThrow)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

const RECT kRect{0, 0, 200, 100};

}  // namespace

// Only CWnd sets a window object's handle: a view is never assigned over.
static_assert(!std::is_copy_assignable_v<WndView> && !std::is_move_assignable_v<CWnd>);

TEST(Wnd, CreatedWindowIsMappedDispatchedAndReleasedAtNcDestroy)
{
    TestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"test", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    HWND hwnd = wnd.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
    EXPECT_EQ(wnd.preSubclassCount, 1);
    EXPECT_EQ(wnd.SendMessage(WM_ANSWER, 1), 43);         // derived entry wins
    EXPECT_EQ(wnd.SendMessage(WM_BASE_ONLY), 7);          // base table reached through the chain
    EXPECT_EQ(wnd.GetWindowText(), std::string("test"));  // unhandled: original procedure

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.destroyCount, 1);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(Wnd, ExceptionInHandlerStopsAtThunk)
{
    TestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    DebugOutput trace;
    EXPECT_EQ(wnd.SendMessage(WM_THROW), 0);
    EXPECT_EQ(std::vector<std::string>{"window procedure, message 0x8001: handler failure\n"}, trace.Lines());
    EXPECT_EQ(wnd.SendMessage(WM_ANSWER, 2), 44);
    // Default() after a nested handler threw still forwards the outer message.
    ::SetWindowTextW(wnd.GetSafeHwnd(), L"after");
    EXPECT_EQ(wnd.GetWindowText(), std::string("after"));
}

TEST(Wnd, SubclassAndUnsubclassExistingWindow)
{
    HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    LONG_PTR original = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    {
        TestWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(hwnd));
        EXPECT_EQ(wnd.preSubclassCount, 1);
        EXPECT_EQ(::SendMessageW(hwnd, WM_ANSWER, 0, 0), 42);
        TestWnd other;
        EXPECT_FALSE(other.SubclassWindow(hwnd));  // one object per window
        EXPECT_EQ(wnd.UnsubclassWindow(), hwnd);
        EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC), original);
        EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    }
    EXPECT_TRUE(::IsWindow(hwnd));  // no longer owned by the object
    ::DestroyWindow(hwnd);
}

TEST(Wnd, SubclassingNoWindowFails)
{
    TestWnd wnd;
    EXPECT_FALSE(wnd.SubclassWindow(nullptr));
    EXPECT_EQ(wnd.preSubclassCount, 0);
}

TEST(Wnd, DestructorDestroysItsWindow)
{
    HWND hwnd;
    {
        TestWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
        hwnd = wnd.GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}
