#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "present/CoverFrame.h"
#include "resource.h"

namespace {

const char kCommunityIntro[] = "A hands-on guide to testing desktop programs.";

bool TempFileExists()
{
    return ::GetFileAttributesW(L"ccc.jpg") != INVALID_FILE_ATTRIBUTES;
}

// A search for the book in both sources, then a click on a row: the blue cover.
void ShowBlueCover(DialogHarness& h, BookLookupDialog& dialog, int row)
{
    ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
    ClickRow(h, row);
    ASSERT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); })) << std::hex << FrameCentre(h);
}

// Every cover download asked for so far has ended and its message, if any, been handled.
bool CoversSettled(DialogHarness& h, BookLookupDialog& dialog)
{
    CoverFrame& cover = BookLookupDialogProbe::Cover(dialog);
    return WaitFor([&] { return cover.DownloadsEnded() == cover.DownloadsRequested(); }, 15000) && h.DrainPosted();
}

void Repaint(DialogHarness& h)
{
    ::RedrawWindow(h.Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The window has taken in a click whose rows' cover is url.
bool ClickHandled(DialogHarness& h, BookLookupDialog& dialog, const std::string& url)
{
    std::string wanted;
    h.OnUiThread([&] { wanted = BookLookupDialogProbe::Cover(dialog).WantedUrl(); });
    return wanted == url;
}

// A row whose only cover is at url.
void AddCoverRow(DialogHarness& h, BookLookupDialog& dialog, const std::string& url)
{
    AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "", url});
}

TEST(SelectionDisplay, ClickOnEitherRowShowsTheCommunityIntroAndCover)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_FALSE(TempFileExists());
        ShowBlueCover(h, dialog, 0);
        EXPECT_EQ(0u, h.Text(IDC_INTRO_EDIT).find(kCommunityIntro));

        h.SetText(IDC_ISBN_EDIT, "typed since");
        PaintFrame(h, RGB(255, 255, 255));
        ClickRow(h, 1);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        EXPECT_EQ(0u, h.Text(IDC_INTRO_EDIT).find(kCommunityIntro));
        EXPECT_EQ("9787111111111", h.Text(IDC_ISBN_EDIT));
        EXPECT_FALSE(TempFileExists());
        EXPECT_TRUE(boxes.Boxes().empty());
        h.Close();
    });
}

TEST(SelectionDisplay, BookWithoutCoverShowsTheEmptyFrameAndAnEmptyIntro)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, dialog, 0);
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787333333333"));
        int covers = ServerRequestCount("/lpic/");
        ClickRow(h, 0);
        EXPECT_TRUE(WaitFor([&] { return IsEmptyFrame(FrameCentre(h)); })) << std::hex << FrameCentre(h);
        EXPECT_TRUE(WaitFor([&] { return h.Text(IDC_INTRO_EDIT).empty(); }));
        Repaint(h);
        EXPECT_TRUE(IsEmptyFrame(FrameCentre(h)));
        EXPECT_EQ(covers, ServerRequestCount("/lpic/"));
        h.Close();
    });
}

TEST(SelectionDisplay, LateDownloadOfAnEarlierCoverDoesNotComeBack)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        const std::string slow = TestServerBase() + "/test/cover?ms=600";
        AddCoverRow(h, dialog, slow);
        ClickRow(h, 0);
        ASSERT_TRUE(WaitFor([] { return ServerRequestCount("/test/cover?ms=600") > 0; }));
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787333333333"));
        ClickRow(h, 0);
        ASSERT_TRUE(WaitFor([&] { return ClickHandled(h, dialog, ""); }));
        ASSERT_TRUE(CoversSettled(h, dialog));
        EXPECT_TRUE(IsEmptyFrame(FrameCentre(h)));

        // The same slow cover, still wanted, is drawn when it comes.
        AddCoverRow(h, dialog, slow);
        ClickRow(h, 1);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        h.Close();
    });
}

TEST(SelectionDisplay, OnlyAnAnswerWithStatus200IsDrawn)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        // Both answers carry the same picture.
        AddCoverRow(h, dialog, TestServerBase() + "/test/cover?code=404");
        ClickRow(h, 0);
        ASSERT_TRUE(WaitFor([] { return ServerRequestCount("/test/cover?code=404") > 0; }));
        ASSERT_TRUE(CoversSettled(h, dialog));
        EXPECT_FALSE(IsBlue(FrameCentre(h)));

        AddCoverRow(h, dialog, TestServerBase() + "/test/cover?code=200");
        ClickRow(h, 0);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        h.Close();
    });
}

TEST(SelectionDisplay, RepaintsDrawTheKeptCoverWithoutTheNetwork)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, dialog, 0);
        unsigned requested = BookLookupDialogProbe::Cover(dialog).DownloadsRequested();
        for (int i = 0; i < 100; ++i)
            Repaint(h);
        EXPECT_EQ(requested, BookLookupDialogProbe::Cover(dialog).DownloadsRequested());

        PaintFrame(h, RGB(255, 255, 255));
        Repaint(h);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); })) << std::hex << FrameCentre(h);
        h.Close();
    });
}

TEST(SelectionDisplay, ClickWithoutSelectionNamesTheMissingRowAndTakesTheCoverUrl)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787222222222"));
        POINT below = RowPoint(h, 0);
        below.y += 25;
        ::PostMessageW(h.Item(IDC_RESULT_LIST), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(below.x, below.y));
        ::PostMessageW(h.Item(IDC_RESULT_LIST), WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
        ASSERT_TRUE(WaitFor([&] { return !boxes.Boxes().empty(); }));
        EXPECT_EQ("没有选定书目!\n", boxes.Boxes()[0].text);
        std::string shown;
        h.OnUiThread([&] { shown = BookLookupDialogProbe::Cover(dialog).WantedUrl(); });
        EXPECT_EQ(TestServerBase() + "/lpic/red.jpg", shown);
        EXPECT_EQ("", h.Text(IDC_INTRO_EDIT));
        // The frame shows that cover next, without a row being selected.
        EXPECT_TRUE(WaitFor([&] {
            COLORREF c = FrameCentre(h);
            return GetRValue(c) > 240 && GetGValue(c) < 16 && GetBValue(c) < 16;
        })) << std::hex
            << FrameCentre(h);
        h.Close();
    });
}

TEST(SelectionDisplay, StalledCoverServerLeavesTheWindowResponsiveAndTheFrameEmpty)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, dialog, 0);
        AddCoverRow(h, dialog, TestServerBase() + "/lpic/stall.jpg");
        int stalls = ServerRequestCount("/lpic/stall.jpg");
        ClickRow(h, 2);
        ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/lpic/stall.jpg") > stalls; }));
        DWORD start = ::GetTickCount();
        DWORD_PTR answer = 0;
        EXPECT_TRUE(::SendMessageTimeoutW(h.Dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer));
        EXPECT_LT(::GetTickCount() - start, 1000u);
        EXPECT_TRUE(IsEmptyFrame(FrameCentre(h)));
        h.Close();
    });
}

TEST(SelectionDisplay, LaterClickWinsOverAStalledDownload)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddCoverRow(h, dialog, TestServerBase() + "/lpic/stall.jpg");
        int stalls = ServerRequestCount("/lpic/stall.jpg");
        ClickRow(h, 0);
        ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/lpic/stall.jpg") > stalls; }));
        ShowBlueCover(h, dialog, 0);
        h.Close();
    });
}

TEST(SelectionDisplay, ResponseThatIsNoPictureLeavesTheFrameEmpty)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, dialog, 0);
        AddCoverRow(h, dialog, TestServerBase() + "/test/notpicture");
        int before = ServerRequestCount("/test/notpicture");
        ClickRow(h, 2);
        ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/test/notpicture") > before; }));
        ASSERT_TRUE(CoversSettled(h, dialog));
        EXPECT_TRUE(IsEmptyFrame(FrameCentre(h)));
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_FALSE(TempFileExists());

        // Nor does a repaint bring the earlier book's picture back.
        Repaint(h);
        EXPECT_TRUE(IsEmptyFrame(FrameCentre(h)));
        h.Close();
    });
}

}
