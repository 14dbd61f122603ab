// 1,000 searches started 5 ms apart against a catalogue service whose
// answers take 0 to 50 ms (ctest starts it so). Prints its figures.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <thread>

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "AppCopy.h"
#include "GuiResources.h"
#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "resource.h"

namespace {

const int kSearches = 1000;
const int kPaceMs = 5;
// The last search of the run is for the last of these, which has a row.
const char* const kIsbns[] = {"9787111111111", "9787222222222", "9780000000000", "9787333333333"};
const int kIsbnCount = sizeof(kIsbns) / sizeof(kIsbns[0]);

using Row = std::vector<std::string>;

// Every row as the list completes it (its item data is set last), checked
// on the window's thread against the rows each ISBN gives alone.
class RowWatch {
public:
    RowWatch(DialogHarness& h, std::map<std::string, std::set<Row>> truth) : h(h), truth(std::move(truth))
    {
        active = this;
        hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, Seen, nullptr, h.UiThreadId());
    }
    ~RowWatch()
    {
        ::UnhookWindowsHookEx(hook);
        active = nullptr;
    }
    int checked = 0;
    int wrong = 0;

private:
    static LRESULT CALLBACK Seen(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && active && call->hwnd == active->h.Item(IDC_RESULT_LIST) &&
            call->message == LVM_SETITEMW) {
            const auto* item = reinterpret_cast<const LVITEMW*>(call->lParam);
            if ((item->mask & LVIF_PARAM) && item->lParam)
                active->Check(item->iItem);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void Check(int row)
    {
        Row texts;
        for (int column = 0; column < 11; ++column)
            texts.push_back(h.Cell(row, column));
        ++checked;
        auto known = truth.find(texts[0]);
        wrong += known == truth.end() || !known->second.count(texts) ? 1 : 0;
    }

    static RowWatch* active;
    DialogHarness& h;
    const std::map<std::string, std::set<Row>> truth;
    HHOOK hook;
};

RowWatch* RowWatch::active = nullptr;

// Asks the window for an answer all the time, one second allowed.
class Responsiveness {
public:
    explicit Responsiveness(HWND window) : thread([this, window] { Watch(window); }) {}
    ~Responsiveness()
    {
        stop = true;
        thread.join();
    }
    std::atomic<int> asked{0}, late{0}, slowestMs{0};

private:
    void Watch(HWND window)
    {
        while (!stop) {
            auto start = std::chrono::steady_clock::now();
            DWORD_PTR answer = 0;
            bool answered = ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer) != 0;
            int ms = static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                    .count());
            ++asked;
            late += answered && ms < 1000 ? 0 : 1;
            slowestMs = std::max(slowestMs.load(), ms);
            ::Sleep(10);
        }
    }
    std::atomic<bool> stop{false};
    std::thread thread;
};

TEST(Stress, ThousandSearchesFiveMillisecondsApart)
{
    RunMainWindow([](DialogHarness& h, BookLookupDialog& dialog) {
        // Each ISBN alone first: its rows are the truth, and the controls
        // have made the objects they keep.
        std::map<std::string, std::set<Row>> truth;
        for (int pass = 0; pass < 2; ++pass) {
            for (const char* isbn : kIsbns) {
                ASSERT_TRUE(SearchAndWait(h, dialog, isbn));
                for (int row = 0; row < h.RowCount(); ++row) {
                    Row texts;
                    for (int column = 0; column < 11; ++column)
                        texts.push_back(h.Cell(row, column));
                    truth[isbn].insert(texts);
                }
            }
        }
        unsigned long gdi = 0, windows = 0;
        h.OnUiThread([&] {
            gdi = LiveGdiObjectsBesideCaret();
            windows = LiveWindows();
        });
        LookupState& state = BookLookupDialogProbe::Lookup(dialog);
        unsigned ended = state.WorkersEnded();

        // Pages that give a row; each gives one.
        auto requests = [] {
            return ServerRequestCount("/isbn/9787111111111/") + ServerRequestCount("/isbn/9787222222222/") +
                   ServerRequestCount("/bookdetail.aspx?id=1111") + ServerRequestCount("/bookdetail.aspx?id=3333");
        };
        int rowRequests = requests();
        auto start = std::chrono::steady_clock::now();
        RowWatch rows(h, truth);
        {
            Responsiveness watch(h.Dialog());
            for (int i = 0; i < kSearches; ++i) {
                h.Search(kIsbns[i % kIsbnCount]);
                ::Sleep(kPaceMs);
            }
            EXPECT_TRUE(WaitFor([&] { return state.WorkersEnded() == ended + 2 * kSearches; }, 120000));
            EXPECT_EQ(0, watch.late.load());
            std::printf("stress: %d searches in %.1f s, %d rows checked (%d pages that give a row were asked "
                        "for), %d wrong; window asked %d times, slowest answer %d ms\n",
                        kSearches, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                        rows.checked, requests() - rowRequests, rows.wrong, watch.asked.load(), watch.slowestMs.load());
        }
        EXPECT_GT(rows.checked, 0);
        EXPECT_EQ(0, rows.wrong);
        // No worker of an earlier search added to the last one's list.
        const std::string last = kIsbns[(kSearches - 1) % kIsbnCount];
        EXPECT_EQ(static_cast<int>(truth[last].size()), h.RowCount());
        for (int row = 0; row < h.RowCount(); ++row)
            EXPECT_EQ(last, h.Cell(row, 0));
        h.OnUiThread([&] {
            std::printf(
                "stress: GDI objects %lu before, %lu after (%lu with the caret's); windows %lu before, %lu after\n",
                gdi, LiveGdiObjectsBesideCaret(), LiveGdiObjects(), windows, LiveWindows());
            // No more than before: a transient object of the controls may be gone by now.
            EXPECT_LE(LiveGdiObjectsBesideCaret(), gdi);
            EXPECT_LE(LiveWindows(), windows);
        });
        h.Close();
    });
}

TEST(Stress, ClosingTheWindowInTheMiddleOfTheRunExitsWithZero)
{
    AppCopy app(QUILL_APP_EXE, L"stress");
    HWND dialog = app.WaitForMainWindow();
    ASSERT_NE(nullptr, dialog);
    HWND edit = ::GetDlgItem(dialog, IDC_ISBN_EDIT);
    for (int i = 0; i < kSearches / 2; ++i) {
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(i % 2 ? L"9787111111111" : L"9787222222222"));
        ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        ::Sleep(kPaceMs);
    }
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, app.WaitForExit(20000));
}

}
