#include <gtest/gtest.h>

#include "PresentTestSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"

namespace {

const char kCommunityIntro[] = "A hands-on guide to testing desktop programs.";

bool TempFileExists()
{
    return ::GetFileAttributesW(L"ccc.jpg") != INVALID_FILE_ATTRIBUTES;
}

// A search for the book in both sources, then a click on a row: the blue cover.
void ShowBlueCover(DialogHarness& h, int row)
{
    h.Search("9787111111111");
    ASSERT_TRUE(h.WaitForRows(2));
    DialogHarness::Settle(300);
    ClickRow(h, row);
    ASSERT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); })) << std::hex << FrameCentre(h);
}

void Repaint(DialogHarness& h)
{
    ::RedrawWindow(h.Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST(SelectionDisplay, ClickOnEitherRowShowsTheCommunityIntroAndCover)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog&) {
        ASSERT_FALSE(TempFileExists());
        ShowBlueCover(h, 0);
        EXPECT_EQ(0u, h.Text(1003).find(kCommunityIntro));

        h.SetText(1002, "typed since");
        PaintFrame(h, RGB(255, 255, 255));
        ClickRow(h, 1);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        EXPECT_EQ(0u, h.Text(1003).find(kCommunityIntro));
        EXPECT_EQ("9787111111111", h.Text(1002));
        EXPECT_FALSE(TempFileExists());
        EXPECT_TRUE(boxes.Boxes().empty());
        h.Close();
    });
}

TEST(SelectionDisplay, LibraryOnlyBookDrawsThePreviousCoverAndAnEmptyIntro)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog&) {
        ShowBlueCover(h, 0);
        h.Search("9787333333333");
        ASSERT_TRUE(h.WaitForRows(1));
        DialogHarness::Settle(300);
        PaintFrame(h, RGB(255, 255, 255));
        int covers = ServerRequestCount("/lpic/");
        ClickRow(h, 0);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        EXPECT_TRUE(WaitFor([&] { return h.Text(1003).empty(); }));
        EXPECT_EQ(covers, ServerRequestCount("/lpic/"));
        h.Close();
    });
}

TEST(SelectionDisplay, RepaintsDrawTheKeptCoverWithoutTheNetwork)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog&) {
        ShowBlueCover(h, 0);
        DialogHarness::Settle(200);
        int covers = ServerRequestCount("/lpic/");
        for (int i = 0; i < 100; ++i)
            Repaint(h);
        DialogHarness::Settle(300);
        EXPECT_EQ(covers, ServerRequestCount("/lpic/"));

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
        h.Search("9787222222222");
        ASSERT_TRUE(h.WaitForRows(1));
        DialogHarness::Settle(300);
        POINT below = RowPoint(h, 0);
        below.y += 25;
        ::PostMessageW(h.Item(1000), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(below.x, below.y));
        ::PostMessageW(h.Item(1000), WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
        ASSERT_TRUE(WaitFor([&] { return !boxes.Boxes().empty(); }));
        EXPECT_EQ("没有选定书目!\n", boxes.Boxes()[0].text);
        std::string shown;
        h.OnUiThread([&] { shown = dialog.coverUrlShown; });
        EXPECT_EQ(TestServerBase() + "/lpic/red.jpg", shown);
        EXPECT_EQ("", h.Text(1003));
        // The frame shows that cover next, without a row being selected.
        EXPECT_TRUE(WaitFor([&] {
            COLORREF c = FrameCentre(h);
            return GetRValue(c) > 240 && GetGValue(c) < 16 && GetBValue(c) < 16;
        })) << std::hex << FrameCentre(h);
        h.Close();
    });
}

TEST(SelectionDisplay, StalledCoverServerLeavesTheWindowResponsive)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, 0);
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "", TestServerBase() + "/lpic/stall.jpg"});
        int stalls = ServerRequestCount("/lpic/stall.jpg");
        ClickRow(h, 2);
        ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/lpic/stall.jpg") > stalls; }));
        DialogHarness::Settle(300);
        DWORD start = ::GetTickCount();
        DWORD_PTR answer = 0;
        EXPECT_TRUE(::SendMessageTimeoutW(h.Dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer));
        EXPECT_LT(::GetTickCount() - start, 1000u);
        EXPECT_TRUE(IsBlue(FrameCentre(h)));
        h.Close();
    });
}

TEST(SelectionDisplay, LaterClickWinsOverAStalledDownload)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "", TestServerBase() + "/lpic/stall.jpg"});
        ClickRow(h, 0);
        DialogHarness::Settle(300);
        ShowBlueCover(h, 0);
        h.Close();
    });
}

TEST(SelectionDisplay, ResponseThatIsNoPictureDrawsNothing)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ShowBlueCover(h, 0);
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "", TestServerBase() + "/test/notpicture"});
        PaintFrame(h, RGB(0, 255, 0));
        int before = ServerRequestCount("/test/notpicture");
        ClickRow(h, 2);
        ASSERT_TRUE(WaitFor([&] { return ServerRequestCount("/test/notpicture") > before; }));
        DialogHarness::Settle(500);
        EXPECT_EQ(RGB(0, 255, 0), FrameCentre(h));
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_FALSE(TempFileExists());

        // The kept picture is still the blue one.
        Repaint(h);
        EXPECT_TRUE(WaitFor([&] { return IsBlue(FrameCentre(h)); }));
        h.Close();
    });
}

}
