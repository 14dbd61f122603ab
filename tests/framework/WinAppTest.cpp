#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"
#include "framework/ModuleState.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

const std::wstring kProgramName = L"framework_tests";

class TestApp : public CWinApp {
public:
    int initCount = 0;
    BOOL InitInstance() override
    {
        ++initCount;
        return FALSE;
    }
};

struct RecordedBox {
    std::wstring text;
    std::wstring caption;
    UINT type = 0;
};

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageBoxHook([this](const std::wstring& text, const std::wstring& caption, UINT type) {
            shown.push_back({text, caption, type});
            return IDOK;
        });
    }
    void TearDown() override { SetMessageBoxHook(nullptr); }

    std::vector<RecordedBox> shown;
};

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t dir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, dir);
        path = std::wstring(dir) + L"quill_profile_test.ini";
        CreateUnicodeFile();
        Write(L"ListCtrls", L"1000", L"0B00000078000000ff");
        Write(L"ListCtrls", L"odd", L"0B0");
        Write(L"ListCtrls", L"bad", L"0G");
        Write(L"ListCtrls", L"empty", L"");
        Write(L"Text", L"title", L"图书");
        app.SetProfilePath(path);
    }
    void TearDown() override { ::DeleteFileW(path.c_str()); }
    // With a UTF-16 byte-order mark the system keeps any text; without one
    // it stores the ANSI code page.
    void CreateUnicodeFile()
    {
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const BYTE bom[] = {0xFF, 0xFE};
        DWORD written = 0;
        ::WriteFile(file, bom, sizeof(bom), &written, nullptr);
        ::CloseHandle(file);
    }
    void Write(const wchar_t* section, const wchar_t* entry, const wchar_t* value)
    {
        ::WritePrivateProfileStringW(section, entry, value, path.c_str());
    }

    CWinApp app;
    std::wstring path;
};

}  // namespace

TEST(WinApp, TitleIsExecutableBaseName)
{
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetAppName(), kProgramName);
    {
        TestApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxGetAppName(), kProgramName);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(WinApp, InitInstanceFalseEndsWithExitCodeZero)
{
    TestApp app;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW), 0);
    EXPECT_EQ(app.initCount, 1);
}

TEST(WinApp, DefaultProfileLiesBesideExecutable)
{
    CWinApp app;
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring expected(exe);
    expected.replace(expected.size() - 3, 3, L"ini");
    EXPECT_EQ(app.GetProfilePath(), expected);
}

TEST_F(Profile, BinaryEntryIsHexBytes)
{
    std::vector<BYTE> data;
    ASSERT_TRUE(app.GetProfileBinary("ListCtrls", "1000", data));
    EXPECT_EQ(data, (std::vector<BYTE>{0x0B, 0, 0, 0, 0x78, 0, 0, 0, 0xFF}));
}

TEST_F(Profile, MissingOrMalformedBinaryEntryFails)
{
    std::vector<BYTE> data{1, 2};
    EXPECT_FALSE(app.GetProfileBinary("ListCtrls", "1001", data));
    EXPECT_FALSE(app.GetProfileBinary("ListCtrls", "odd", data));
    EXPECT_FALSE(app.GetProfileBinary("ListCtrls", "bad", data));
    EXPECT_FALSE(app.GetProfileBinary("ListCtrls", "empty", data));
    EXPECT_FALSE(app.GetProfileBinary("Nowhere", "1000", data));
    EXPECT_EQ(data, (std::vector<BYTE>{1, 2}));
}

TEST_F(Profile, StringEntryIsCodePage936)
{
    EXPECT_EQ(app.GetProfileString("Text", "title"), WideToMultiByte(L"图书"));
    EXPECT_EQ(app.GetProfileString("Text", "none", "dflt"), std::string("dflt"));
}

TEST_F(MessageBoxes, AfxMessageBoxShowsWideTextWithAppTitle)
{
    EXPECT_EQ(AfxMessageBox(WideToMultiByte(L"没有选定书目!\n")), IDOK);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"没有选定书目!\n");
    EXPECT_EQ(shown[0].caption, kProgramName);
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_OK));
}

TEST_F(MessageBoxes, WindowMessageBoxUsesAppTitleUnlessGivenOne)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_OVERLAPPEDWINDOW, {0, 0, 10, 10}, nullptr, 0));
    wnd.MessageBox(WideToMultiByte(L"已将数据存入剪贴板"));
    wnd.MessageBox("x", WideToMultiByte(L"标题"), MB_OKCANCEL);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, L"已将数据存入剪贴板");
    EXPECT_EQ(shown[0].caption, kProgramName);
    EXPECT_EQ(shown[1].caption, L"标题");
    EXPECT_EQ(shown[1].type, static_cast<UINT>(MB_OKCANCEL));
}
