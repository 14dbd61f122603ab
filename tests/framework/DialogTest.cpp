#include <vector>

#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "framework/CodePage.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"

namespace {

constexpr int kIsbnId = 1002;
constexpr int kIntroId = 1003;
constexpr UINT WM_FINISH = WM_APP;
constexpr UINT_PTR kSafetyTimer = 1;
constexpr int kTimedOut = -2;

DialogTemplate MakeTemplate()
{
    DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L"test", 200, 100);
    t.AddControl(DialogTemplate::kEdit, kIsbnId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {10, 10, 110, 24});
    t.AddControl(DialogTemplate::kEdit, kIntroId, WS_BORDER | WS_TABSTOP | ES_MULTILINE, {10, 30, 110, 80});
    return t;
}

class TestDialog : public CDialog {
public:
    TestDialog(const DLGTEMPLATE* t, CWnd* parent = nullptr) : CDialog(t, parent) {}

    std::string isbnText;
    std::string introText;
    CEdit introBox;

    // Posted from OnInitDialog for the modal loop to run; key presses go to
    // the ISBN box, the rest to the dialog.
    std::vector<MSG> toPost;
    std::wstring typedIsbn;
    bool swallowEscape = false;
    std::vector<MSG> keyDowns;
    BOOL ownerEnabledWhileModal = TRUE;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            keyDowns.push_back(*msg);
            if (swallowEscape && msg->wParam == VK_ESCAPE)
                return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, kIntroId, introBox);
        DDX_Text(dx, kIsbnId, isbnText);
        DDX_Text(dx, kIntroId, introText);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        HWND owner = ::GetWindow(GetSafeHwnd(), GW_OWNER);
        ownerEnabledWhileModal = owner ? ::IsWindowEnabled(owner) : TRUE;
        ::SetTimer(GetSafeHwnd(), kSafetyTimer, 5000, nullptr);
        if (!typedIsbn.empty())
            ::SetWindowTextW(GetDlgItem(kIsbnId), typedIsbn.c_str());
        for (const MSG& msg : toPost)
            ::PostMessageW(msg.message == WM_KEYDOWN ? GetDlgItem(kIsbnId) : GetSafeHwnd(), msg.message, msg.wParam,
                           msg.lParam);
        return TRUE;
    }

    LRESULT OnFinish(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam));
        return 0;
    }
    LRESULT OnTimer(WPARAM, LPARAM)
    {
        EndDialog(kTimedOut);
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_MESSAGE(WM_FINISH, OnFinish)
    ON_MESSAGE(WM_TIMER, OnTimer)
END_MESSAGE_MAP()

MSG KeyDown(WPARAM key)
{
    MSG msg{};
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    return msg;
}

MSG Finish(int result)
{
    MSG msg{};
    msg.message = WM_FINISH;
    msg.wParam = static_cast<WPARAM>(result);
    return msg;
}

}  // namespace

TEST(Dialog, DataExchangeKeepsCodePage936InMembers)
{
    DialogTemplate t = MakeTemplate();
    TestDialog dialog(t.Get());
    dialog.isbnText = WideToMultiByte(L"图书信息查询");
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.introBox.GetSafeHwnd(), dialog.GetDlgItem(kIntroId));  // subclassed by the first exchange
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.GetDlgItem(kIntroId)), &dialog.introBox);

    wchar_t shown[64];
    ::GetWindowTextW(dialog.GetDlgItem(kIsbnId), shown, 64);
    EXPECT_EQ(std::wstring(shown), L"图书信息查询");

    ::SetWindowTextW(dialog.GetDlgItem(kIntroId), L"中文简介");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.introText, std::string("\xD6\xD0\xCE\xC4\xBC\xF2\xBD\xE9"));  // GBK bytes
    EXPECT_EQ(dialog.introBox.GetSafeHwnd(), dialog.GetDlgItem(kIntroId));
}

TEST(Dialog, ExchangeWithMissingControlFails)
{
    DialogTemplate t(WS_POPUP, L"empty", 100, 50);
    TestDialog dialog(t.Get());
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.UpdateData(TRUE));
}

TEST(Dialog, PreTranslateMessageRunsBeforeIsDialogMessage)
{
    DialogTemplate t = MakeTemplate();
    TestDialog dialog(t.Get());
    dialog.swallowEscape = true;
    dialog.toPost = {KeyDown(VK_ESCAPE), Finish(42)};
    EXPECT_EQ(dialog.DoModal(), 42);  // Escape would have cancelled
    ASSERT_EQ(dialog.keyDowns.size(), 1u);
    EXPECT_EQ(dialog.keyDowns[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_NE(dialog.keyDowns[0].hwnd, nullptr);  // addressed to the control, seen by the dialog
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(Dialog, EscapeCancels)
{
    DialogTemplate t = MakeTemplate();
    TestDialog dialog(t.Get());
    dialog.toPost = {KeyDown(VK_ESCAPE), Finish(42)};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Dialog, EnterRunsOnOkWhichSavesTheMembers)
{
    DialogTemplate t = MakeTemplate();
    TestDialog dialog(t.Get());
    dialog.isbnText = "old";
    dialog.typedIsbn = L"9787";
    dialog.toPost = {KeyDown(VK_RETURN), Finish(42)};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.isbnText, std::string("9787"));
}

TEST(Dialog, CloseCancelsAndOwnerIsDisabledMeanwhile)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_OVERLAPPEDWINDOW, {0, 0, 100, 100}, nullptr, 0));
    DialogTemplate t = MakeTemplate();
    TestDialog dialog(t.Get(), &owner);
    MSG close{};
    close.message = WM_CLOSE;
    dialog.toPost = {close};  // the cancel command it brings is posted behind
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.ownerEnabledWhileModal);
    EXPECT_TRUE(::IsWindowEnabled(owner.GetSafeHwnd()));
}
