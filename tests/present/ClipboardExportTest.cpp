#include <condition_variable>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "app/BookLookupDialog.h"
#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"
#include "framework/ModuleState.h"
#include "present/Clipboard.h"
#include "resource.h"

namespace {

void Copy(DialogHarness& h)
{
    ::SendMessageW(h.Dialog(), WM_COMMAND, ID_COPY_ROW, 0);
}

// Another program's window keeps the clipboard open while it lives.
class ClipboardHolder {
public:
    ClipboardHolder() : thread([this] { Hold(); })
    {
        std::unique_lock<std::mutex> hold(mutex);
        changed.wait(hold, [this] { return opened; });
    }
    ~ClipboardHolder()
    {
        {
            std::lock_guard<std::mutex> hold(mutex);
            release = true;
        }
        changed.notify_all();
        thread.join();
    }

private:
    void Hold()
    {
        HWND window = ::CreateWindowW(L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        bool open = ::OpenClipboard(window) != FALSE;
        std::unique_lock<std::mutex> hold(mutex);
        opened = true;
        changed.notify_all();
        changed.wait(hold, [this] { return release; });
        if (open)
            ::CloseClipboard();
        ::DestroyWindow(window);
    }

    std::mutex mutex;
    std::condition_variable changed;
    bool opened = false;
    bool release = false;
    std::thread thread;
};

TEST(ClipboardExport, RowWithEmptyCellsGivesTenCellsEachFollowedByATab)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "9.9", "http://x"});
        SelectRows(h, dialog, {0});
        Copy(h);
        EXPECT_EQ("978\t\tT\tA\t\t\t\t\t\t9.9\t", ClipboardText());
        EXPECT_EQ(L"978\t\tT\tA\t\t\t\t\t\t9.9\t", ClipboardUnicode());
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ("已将数据存入剪贴板", boxes.Boxes()[0].text);
        EXPECT_EQ(AfxGetAppName(), boxes.Boxes()[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Boxes()[0].type);
        h.Close();
    });
}

TEST(ClipboardExport, ChineseTextIsCodePage936AndUtf16)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog,
                   {"9787000000002", "I242.4", "红楼梦", "曹雪芹著；高鹗续", "人民文学出版社", "1606", "32开",
                    "1996.12", "2", "59.70", ""});
        SelectRows(h, dialog, {0});
        Copy(h);
        std::string utf8 =
            "9787000000002\tI242.4\t红楼梦\t曹雪芹著；高鹗续\t人民文学出版社\t1606\t32开\t1996.12\t2\t59.70\t";
        EXPECT_EQ(Cp936FromUtf8(utf8), ClipboardText());
        EXPECT_EQ("\xBA\xEC\xC2\xA5\xC3\xCE", ClipboardText().substr(21, 6));  // 红楼梦 in GBK
        EXPECT_EQ(MultiByteToWide(utf8, CP_UTF8), ClipboardUnicode());
        EXPECT_EQ(0x0804u, ClipboardLocale() & 0xFFFF);
        h.Close();
    });
}

// ö has no code page 936 form, nor has 𠮷 (U+20BB7, beyond the basic plane): the list and CF_UNICODETEXT
// keep them.
TEST(ClipboardExport, CharactersOutsideCodePage936AreShownAndCopiedAsUnicode)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787000000049"));
        EXPECT_EQ("Gödel, Escher, Bach", h.Cell(0, 2));
        EXPECT_EQ("\xF0\xA0\xAE\xB7田 著", h.Cell(0, 3));
        SelectRows(h, dialog, {0});
        Copy(h);
        EXPECT_EQ(0u,
                  ClipboardUnicode().find(L"9787000000049\t\tG\u00F6del, Escher, Bach\t\xD842\xDFB7\u7530 \u8457\t"));
        h.Close();
    });
}

TEST(ClipboardExport, SeveralSelectedRowsCopyTheLowestAndNeverTheCoverUrl)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        SelectRows(h, dialog, {1, 0});
        Copy(h);
        std::string expected;
        for (int column = 0; column < 10; ++column)
            expected += h.Cell(0, column) + "\t";
        EXPECT_EQ(MultiByteToWide(expected, CP_UTF8), ClipboardUnicode());
        EXPECT_EQ(std::wstring::npos, ClipboardUnicode().find(L"/lpic/"));

        int community = h.Cell(0, 10).empty() ? 1 : 0;
        SelectRows(h, dialog, {community});
        Copy(h);
        EXPECT_NE(std::wstring::npos, ClipboardUnicode().find(L"Alice Zhang"));
        EXPECT_EQ(std::wstring::npos, ClipboardUnicode().find(L"/lpic/"));
        EXPECT_EQ(L'\t', ClipboardUnicode().back());
        h.Close();
    });
}

TEST(ClipboardExport, NoSelectedRowShowsTheMessageAndLeavesTheClipboard)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "9.9", "http://x"});
        PutClipboardSentinel(L"sentinel");
        Copy(h);
        EXPECT_EQ(L"sentinel", ClipboardUnicode());
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ("没有选定书目!\n", boxes.Boxes()[0].text);
        EXPECT_EQ(AfxGetAppName(), boxes.Boxes()[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Boxes()[0].type);
        h.Close();
    });
}

TEST(ClipboardExport, ClipboardHeldByAnotherWindowCopiesNothingQuietly)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "9.9", "http://x"});
        SelectRows(h, dialog, {0});
        PutClipboardSentinel(L"sentinel");
        {
            ClipboardHolder holder;
            Copy(h);
        }
        EXPECT_EQ(L"sentinel", ClipboardUnicode());
        EXPECT_TRUE(boxes.Boxes().empty());
        h.Close();
    });
}

TEST(ClipboardExport, SuccessMeansTheTextFormatWasPlaced)
{
    std::vector<UINT> offered;
    auto refusing = [&offered](UINT refused) {
        return [&offered, refused](UINT format, const void*, std::size_t) {
            offered.push_back(format);
            return format != refused;
        };
    };
    EXPECT_TRUE(PlaceText("T\t", refusing(CF_UNICODETEXT)));
    EXPECT_EQ((std::vector<UINT>{CF_TEXT, CF_UNICODETEXT, CF_LOCALE}), offered);
    offered.clear();
    EXPECT_TRUE(PlaceText("T\t", refusing(CF_LOCALE)));
    offered.clear();
    EXPECT_FALSE(PlaceText("T\t", refusing(CF_TEXT)));
    EXPECT_EQ((std::vector<UINT>{CF_TEXT}), offered);
}

}
