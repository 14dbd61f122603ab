#include <gtest/gtest.h>

#include <map>

#include "GuiResources.h"
#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "lookup/LookupState.h"
#include "resource.h"

namespace {

std::vector<std::string> KeysOf(const std::map<std::string, int>& map)
{
    std::vector<std::string> keys;
    for (const auto& entry : map)
        keys.push_back(entry.first);
    return keys;
}

TEST(MainWindow, BookInBothSourcesGivesTwoRowsWithTheirOwnValues)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        EXPECT_EQ(2, h.RowCount());
        int library = h.Cell(0, 1).empty() ? 1 : 0;
        int community = 1 - library;
        EXPECT_EQ("9787111111111", h.Cell(library, 0));
        EXPECT_EQ("9787111111111", h.Cell(community, 0));
        EXPECT_EQ("TP311.5", h.Cell(library, 1));
        EXPECT_EQ("16开", h.Cell(library, 6));
        EXPECT_EQ("2", h.Cell(library, 8));
        EXPECT_EQ("45.00", h.Cell(library, 9));
        EXPECT_EQ("", h.Cell(library, 10));
        EXPECT_EQ("Alice Zhang", h.Cell(community, 3));
        EXPECT_EQ("", h.Cell(community, 1));
        EXPECT_EQ("", h.Cell(community, 6));
        EXPECT_EQ("", h.Cell(community, 8));
        EXPECT_EQ(TestServerBase() + "/lpic/solid.jpg", h.Cell(community, 10));
        EXPECT_EQ("Practical Test Engineering 实用测试工程", h.Cell(community, 2));
        h.Close();
    });
}

TEST(MainWindow, EachCatalogueAddsItsOwnRowUnderItsName)
{
    SourceConfig sources = TestSourceConfig();
    sources.sruBase = ZebraBase("marc21");
    CatalogueConfig union_;
    union_.name = Cp936FromUtf8("联合目录");
    union_.address = ZebraZ3950("unimarc", true);
    union_.format = MarcFlavour::Unimarc;
    union_.charset = MarcCharset::Gb2312;
    sources.catalogues.push_back(union_);
    RunMainWindow(sources, [](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        ASSERT_EQ(4, h.RowCount());
        std::map<std::string, int> rowOf;
        for (int row = 0; row < 4; ++row)
            rowOf[h.Cell(row, 11)] = row;
        ASSERT_EQ((std::vector<std::string>{"sru", "图书馆", "社区", "联合目录"}), KeysOf(rowOf));
        const int sru = rowOf["sru"], catalogue = rowOf["联合目录"];
        EXPECT_EQ("321 p", h.Cell(sru, 5));
        EXPECT_EQ("9787111111111", h.Cell(sru, 0));
        EXPECT_EQ("Practical Test Engineering 实用测试工程", h.Cell(sru, 2));
        EXPECT_EQ("2008.06", h.Cell(sru, 7));
        // From GB2312 UNIMARC over Z39.50.
        EXPECT_EQ("Practical Test Engineering 实用测试工程", h.Cell(catalogue, 2));
        EXPECT_EQ("321页", h.Cell(catalogue, 5));

        // A book the catalogues lack: the other sources' rows only.
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787222222222"));
        EXPECT_EQ(1, h.RowCount());
        h.Close();
    });
}

TEST(MainWindow, OneSourceOneRowAndUnknownOrEmptyNone)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787333333333"));
        EXPECT_EQ(1, h.RowCount());
        EXPECT_EQ("图书馆专藏", h.Cell(0, 2));

        ASSERT_TRUE(SearchAndWait(h, dialog, "9780000000000"));
        EXPECT_EQ(0, h.RowCount());

        ASSERT_TRUE(SearchAndWait(h, dialog, "9787333333333"));
        int before = ServerRequestCount("/BookSearch.aspx?ISBN=");
        ASSERT_TRUE(SearchAndWait(h, dialog, ""));
        EXPECT_EQ(0, h.RowCount());
        EXPECT_EQ(before + 1, ServerRequestCount("/BookSearch.aspx?ISBN="));
        EXPECT_EQ("", h.Text(IDC_ISBN_EDIT));
        h.Close();
    });
}

TEST(MainWindow, SameIsbnTwiceGivesNoDuplicates)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
            EXPECT_EQ(2, h.RowCount());
        }
        EXPECT_EQ("9787111111111", h.Text(IDC_ISBN_EDIT));
        h.Close();
    });
}

TEST(MainWindow, LateWorkersOfAnEarlierSearchPublishNothing)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        // Both sources know the first book, with an introduction, but answer after 4 s.
        h.Search("slow4000-9787111111111");
        ASSERT_TRUE(WaitFor([] { return ServerRequestCount("/isbn/slow4000-9787111111111/") > 0; }));
        unsigned started = BookLookupDialogProbe::Lookup(dialog).WorkersStarted();
        h.Search("9787222222222");
        ASSERT_TRUE(WaitFor(
            [&] { return BookLookupDialogProbe::Lookup(dialog).WorkersStarted() > started && SearchesDone(dialog); },
            15000));
        ASSERT_EQ(1, h.RowCount());
        EXPECT_EQ("9787222222222", h.Cell(0, 0));
        EXPECT_EQ("Red Cover Stories", h.Cell(0, 2));
        ClickRow(h, 0);
        EXPECT_TRUE(WaitFor([&] { return !h.Text(IDC_INTRO_EDIT).empty(); }));
        EXPECT_EQ("A short collection of stories with a red cover.", h.Text(IDC_INTRO_EDIT));
        h.Close();
    });
}

TEST(MainWindow, EnterElsewhereMovesTheFocusAndDoesNotSearch)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        h.SetText(IDC_ISBN_EDIT, "9787111111111");
        ::SendMessageW(h.Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(h.Item(IDC_RESULT_LIST)), TRUE);
        ASSERT_EQ(h.Item(IDC_RESULT_LIST), h.FocusedWindow());
        unsigned started = BookLookupDialogProbe::Lookup(dialog).WorkersStarted();
        h.PressKey(h.Item(IDC_RESULT_LIST), VK_RETURN);
        EXPECT_TRUE(WaitFor([&] { return h.FocusedWindow() == h.Item(IDC_SEARCH_BUTTON); }));
        h.PressKey(h.Item(IDC_SEARCH_BUTTON), VK_RETURN);
        EXPECT_TRUE(WaitFor([&] { return h.FocusedWindow() == h.Item(IDC_SHELF_BUTTON); }));
        h.PressKey(h.Item(IDC_SHELF_BUTTON), VK_RETURN);
        EXPECT_TRUE(WaitFor([&] { return h.FocusedWindow() == h.Item(IDC_INTRO_EDIT); }));
        // A search would have started its workers while the key was handled.
        EXPECT_EQ(started, BookLookupDialogProbe::Lookup(dialog).WorkersStarted());
        EXPECT_EQ(0, h.RowCount());
        EXPECT_TRUE(::IsWindow(h.Dialog()));
        h.Close();
    });
}

TEST(MainWindow, SearchButtonClickSearchesAndADoubleClickSearchesTwice)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        const std::string search = "/BookSearch.aspx?ISBN=";
        auto press = [&](UINT down) {
            ::PostMessageW(h.Item(IDC_SEARCH_BUTTON), down, MK_LBUTTON, MAKELPARAM(5, 5));
            ::PostMessageW(h.Item(IDC_SEARCH_BUTTON), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        };
        h.SetText(IDC_ISBN_EDIT, "9787333333333");
        int before = ServerRequestCount(search);
        press(WM_LBUTTONDOWN);
        EXPECT_TRUE(WaitFor([&] { return ServerRequestCount(search) == before + 1; }));
        press(WM_LBUTTONDOWN);
        press(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(WaitFor([&] { return ServerRequestCount(search) == before + 3; }));
        // Every worker has published before the window goes.
        EXPECT_TRUE(WaitFor([&] { return SearchesDone(dialog); }));
        h.Close();
    });
}

TEST(MainWindow, TwoHundredSearchesLeaveNoGdiOrUserObjects)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        auto search = [&](int i) {
            return SearchAndWait(h, dialog, i % 2 ? "9787111111111" : "9787333333333") &&
                   h.RowCount() == (i % 2 ? 2 : 1);
        };
        // The controls make a few objects of their own on first use; count after them.
        for (int i = 0; i < 50; ++i)
            ASSERT_TRUE(search(i));
        unsigned long gdi = 0, windows = 0;
        h.OnUiThread([&] {
            gdi = LiveGdiObjectsBesideCaret();
            windows = LiveWindows();
        });
        ASSERT_GT(gdi, 0u);
        ASSERT_GT(windows, 10u);
        for (int i = 0; i < 200; ++i)
            ASSERT_TRUE(search(i));
        h.OnUiThread([&] {
            EXPECT_LE(LiveGdiObjectsBesideCaret(), gdi);
            EXPECT_LE(LiveWindows(), windows);
        });
        h.Close();
    });
}

}
