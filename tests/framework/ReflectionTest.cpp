#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/Button.h"
#include "framework/Wnd.h"

namespace {

constexpr UINT kChildId = 100;
constexpr UINT kPlainChildId = 101;
constexpr UINT kButtonId = 102;
constexpr UINT kPassingChildId = 103;
constexpr UINT kMenuCommand = 16;

class ReflectingChild : public CWnd {
public:
    int clicks = 0;
    int commands = 0;

protected:
    void OnReflectedClick(NMHDR*, LRESULT* result)
    {
        ++clicks;
        *result = 7;
    }
    void OnReflectedCommand() { ++commands; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedCommand)
END_MESSAGE_MAP()

// Handles its click and lets the parent see it too, unless told to keep it.
class PassingChild : public CWnd {
public:
    int clicks = 0;
    int doubleClicks = 0;
    BOOL keep = FALSE;

protected:
    BOOL OnReflectedClick()
    {
        ++clicks;
        return keep;
    }
    BOOL OnReflectedDoubleClick(NMHDR*, LRESULT*)
    {
        ++doubleClicks;
        return keep;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PassingChild, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnReflectedClick)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnReflectedDoubleClick)
END_MESSAGE_MAP()

class DrawnButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawnId = item->CtlID; }
    UINT drawnId = 0;
};

class Parent : public CWnd {
public:
    int clicks = 0;
    int rightClicks = 0;
    int childCommands = 0;
    int plainCommands = 0;
    int passingCommands = 0;
    int passingNotifications = 0;
    int menuCommands = 0;

protected:
    void OnClick(NMHDR*, LRESULT*) { ++clicks; }
    void OnRightClick(NMHDR*, LRESULT* result)
    {
        ++rightClicks;
        *result = 9;
    }
    void OnChildCommand() { ++childCommands; }
    void OnPlainCommand() { ++plainCommands; }
    void OnPassingCommand() { ++passingCommands; }
    void OnPassingNotification(NMHDR*, LRESULT*) { ++passingNotifications; }
    void OnMenuCommand() { ++menuCommands; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Parent, CWnd)
    ON_NOTIFY(NM_CLICK, kChildId, OnClick)
    ON_NOTIFY(NM_RCLICK, kChildId, OnRightClick)
    ON_BN_CLICKED(kChildId, OnChildCommand)
    ON_BN_CLICKED(kPlainChildId, OnPlainCommand)
    ON_BN_CLICKED(kPassingChildId, OnPassingCommand)
    ON_NOTIFY(NM_DBLCLK, kPassingChildId, OnPassingNotification)
    ON_COMMAND(kMenuCommand, OnMenuCommand)
END_MESSAGE_MAP()

class Reflection : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, {0, 0, 300, 200}, nullptr, 0));
        ASSERT_TRUE(child.CreateEx(0, nullptr, L"", WS_CHILD, {0, 0, 50, 20}, parent.GetSafeHwnd(), kChildId));
        ASSERT_TRUE(button.CreateEx(0, L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, {0, 30, 50, 50}, parent.GetSafeHwnd(),
                                    kButtonId));
        plain = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 60, 0, 50, 20, parent.GetSafeHwnd(),
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPlainChildId)),
                                  ::GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(plain, nullptr);
        ASSERT_TRUE(
            passing.CreateEx(0, nullptr, L"", WS_CHILD, {0, 60, 50, 20}, parent.GetSafeHwnd(), kPassingChildId));
    }
    void TearDown() override { parent.DestroyWindow(); }

    LRESULT Notify(HWND from, UINT id, UINT code)
    {
        NMHDR header{from, id, code};
        return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }
    void Command(HWND from, UINT id, UINT code = BN_CLICKED)
    {
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
    }

    Parent parent;
    ReflectingChild child;
    DrawnButton button;
    PassingChild passing;
    HWND plain = nullptr;
};

}  // namespace

TEST_F(Reflection, ChildHandlesItsNotificationAndParentDoesNotSeeIt)
{
    EXPECT_EQ(Notify(child.GetSafeHwnd(), kChildId, NM_CLICK), 7);
    EXPECT_EQ(child.clicks, 1);
    EXPECT_EQ(parent.clicks, 0);
}

TEST_F(Reflection, UnhandledNotificationReachesParent)
{
    EXPECT_EQ(Notify(child.GetSafeHwnd(), kChildId, NM_RCLICK), 9);
    EXPECT_EQ(parent.rightClicks, 1);
}

TEST_F(Reflection, CommandFromOwnControlIsReflected)
{
    Command(child.GetSafeHwnd(), kChildId);
    EXPECT_EQ(child.commands, 1);
    EXPECT_EQ(parent.childCommands, 0);
}

TEST_F(Reflection, CommandFromForeignControlReachesParent)
{
    Command(plain, kPlainChildId);
    EXPECT_EQ(parent.plainCommands, 1);
}

TEST_F(Reflection, DrawItemIsReflectedToOwnerDrawnControl)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kButtonId;
    item.hwndItem = button.GetSafeHwnd();
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(button.drawnId, kButtonId);
}

TEST_F(Reflection, ExtendedReflectionLetsTheParentSeeWhatTheChildPassesOn)
{
    Command(passing.GetSafeHwnd(), kPassingChildId);
    Notify(passing.GetSafeHwnd(), kPassingChildId, NM_DBLCLK);
    EXPECT_EQ(passing.clicks + passing.doubleClicks, 2);
    EXPECT_EQ(parent.passingCommands + parent.passingNotifications, 2);

    passing.keep = TRUE;
    Command(passing.GetSafeHwnd(), kPassingChildId);
    Notify(passing.GetSafeHwnd(), kPassingChildId, NM_DBLCLK);
    EXPECT_EQ(passing.clicks + passing.doubleClicks, 4);
    EXPECT_EQ(parent.passingCommands + parent.passingNotifications, 2);
}

TEST_F(Reflection, CommandEntryTakesMenusAndAcceleratorsButNotOtherControlCodes)
{
    Command(nullptr, kMenuCommand, 0);
    Command(nullptr, kMenuCommand, 1);  // accelerator
    EXPECT_EQ(parent.menuCommands, 2);
    Command(plain, kMenuCommand, 1);  // a control's notification code 1
    EXPECT_EQ(parent.menuCommands, 2);
}
