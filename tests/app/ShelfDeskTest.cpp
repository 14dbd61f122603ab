#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "TestServer.h"
#include "app/BookLookupDialog.h"
#include "app/SearchStatus.h"
#include "app/SourceSettings.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "resource.h"
#include "shelf/ShelfScan.h"

namespace {

const char* const kBooks[] = {"9787111111111", "9787222222222", "9787333333333"};

std::wstring TempPath(const std::wstring& name)
{
    wchar_t dir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name + std::to_wstring(::GetCurrentProcessId());
}

std::string FileBytes(const std::wstring& path)
{
    std::string bytes;
    if (FILE* in = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
            bytes.append(buffer, got);
        std::fclose(in);
    }
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes, const wchar_t* mode = L"wb")
{
    FILE* out = _wfopen(path.c_str(), mode);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

// A shelf file of its own, removed with its side files.
struct TempShelf {
    ShelfSettings settings;
    explicit TempShelf(const wchar_t* name)
    {
        settings.file = TempPath(name) + L".mrc";
        Remove();
    }
    ~TempShelf() { Remove(); }
    void Remove() const
    {
        for (const wchar_t* suffix : {L"", L".torn", L".bak", L".tmp"})
            ::DeleteFileW((settings.file + suffix).c_str());
    }
    std::string Bytes(const wchar_t* suffix = L"") const { return FileBytes(settings.file + suffix); }
};

std::string CountText(int count)
{
    return "书架：" + std::to_string(count);
}

// Selects the row that isbn's search gave first and adds it, as the row menu's second item does.
void AddFirstRow(DialogHarness& h, BookLookupDialog& dialog)
{
    SelectRows(h, dialog, {0});
    ::PostMessageW(h.Dialog(), WM_COMMAND, ID_SHELF_ADD, 0);
}

bool BoxSaid(MessageBoxRecorder& boxes, const std::string& start)
{
    return WaitFor([&] {
        for (const auto& box : boxes.Boxes())
            if (box.text.rfind(start, 0) == 0)
                return true;
        return false;
    });
}

TEST(Desk, BooksAddedStayAcrossARestartByteForByteAndNoneGoesOnTwice)
{
    TempShelf shelf(L"quill-desk-three");
    MessageBoxRecorder boxes;
    RunMainWindow(TestSourceConfig(), shelf.settings, [&](DialogHarness& h, BookLookupDialog& dialog) {
        EXPECT_EQ(CountText(0), h.Text(IDC_SHELF_COUNT));
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(SearchAndWait(h, dialog, kBooks[i]));
            AddFirstRow(h, dialog);
            ASSERT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == CountText(i + 1); })) << i;
            // The next scan replaces the ISBN.
            EXPECT_TRUE(WaitFor([&] { return h.FocusedWindow() == h.Item(IDC_ISBN_EDIT); })) << i;
            DWORD start = 1, end = 0;
            ::SendMessageW(h.Item(IDC_ISBN_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                           reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(0u, start);
            EXPECT_EQ(13u, end);
        }
        ASSERT_TRUE(SearchAndWait(h, dialog, kBooks[1]));
        AddFirstRow(h, dialog);
        EXPECT_TRUE(BoxSaid(boxes, "书架上已有这本书：9787222222222"));
        EXPECT_EQ(CountText(3), h.Text(IDC_SHELF_COUNT));
        h.Close();
    });
    const std::string bytes = shelf.Bytes();
    const ShelfScan scan = ScanShelf(bytes);
    EXPECT_EQ(3u, scan.records);
    EXPECT_EQ(bytes.size(), scan.wholeBytes);
    for (const char* isbn : kBooks)
        EXPECT_NE(std::string::npos, bytes.find(isbn));

    RunMainWindow(TestSourceConfig(), shelf.settings, [&](DialogHarness& h, BookLookupDialog&) {
        EXPECT_EQ(CountText(3), h.Text(IDC_SHELF_COUNT));
        EXPECT_EQ("", h.Text(IDC_STATUS_LINE));
        h.Close();
    });
    EXPECT_EQ(bytes, shelf.Bytes());
}

TEST(Desk, ATornTailIsCutAtStartAndNamedOnce)
{
    TempShelf shelf(L"quill-desk-torn");
    RunMainWindow(TestSourceConfig(), shelf.settings, [&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, kBooks[0]));
        AddFirstRow(h, dialog);
        ASSERT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == CountText(1); }));
        h.Close();
    });
    const std::string whole = shelf.Bytes();
    WriteBytes(shelf.settings.file, whole.substr(0, 40), L"ab");
    RunMainWindow(TestSourceConfig(), shelf.settings, [&](DialogHarness& h, BookLookupDialog&) {
        EXPECT_EQ(CountText(1), h.Text(IDC_SHELF_COUNT));
        EXPECT_EQ(0u, h.Text(IDC_STATUS_LINE).find("书架末尾有一条残缺的记录（40 字节）")) << h.Text(IDC_STATUS_LINE);
        h.Close();
    });
    EXPECT_EQ(whole, shelf.Bytes());
    EXPECT_EQ(whole.substr(0, 40), shelf.Bytes(L".torn"));
}

// A read-only file cannot be had under Wine as root (it writes it all the
// same); a missing folder fails the same way, and is mended as easily.
TEST(Desk, AShelfThatCannotBeWrittenKeepsTheBookInTheWindow)
{
    ShelfSettings settings;
    const std::wstring folder = TempPath(L"quill-desk-missing-");
    settings.file = folder + L"\\shelf.mrc";
    MessageBoxRecorder boxes;
    RunMainWindow(TestSourceConfig(), settings, [&](DialogHarness& h, BookLookupDialog& dialog) {
        EXPECT_EQ(0u, h.Text(IDC_STATUS_LINE).find("书架未能打开：书架所在的文件夹不存在")) << h.Text(IDC_STATUS_LINE);
        ASSERT_TRUE(SearchAndWait(h, dialog, kBooks[0]));
        AddFirstRow(h, dialog);
        EXPECT_TRUE(BoxSaid(boxes, "书架未能打开：书架所在的文件夹不存在"));
        EXPECT_EQ(2, h.RowCount());
        EXPECT_EQ("书架：未打开", h.Text(IDC_SHELF_COUNT));

        // The folder made: the same row goes on the shelf at the next try.
        ::CreateDirectoryW(folder.c_str(), nullptr);
        AddFirstRow(h, dialog);
        EXPECT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == CountText(1); }));
        h.Close();
    });
    ::DeleteFileW(settings.file.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST(Desk, ASecondWindowOnTheSameShelfIsRefused)
{
    TempShelf shelf(L"quill-desk-locked");
    RunMainWindow(TestSourceConfig(), shelf.settings, [&](DialogHarness& h, BookLookupDialog&) {
        ShelfDesk second(shelf.settings);
        EXPECT_EQ(Cp936FromUtf8("书架未能打开：另一个 Quillfind 正在使用这个书架（") +
                      WideToMultiByte(shelf.settings.file) + Cp936FromUtf8("）"),
                  second.Open());
        h.Close();
    });
}

// The files that QUILL_SHELF_EXPORT_DIR names are judged by yaz-marcdump and
// MARC::Lint afterwards (shelf-export.sh).
TEST(Desk, SaveAsWritesEachFormat)
{
    TempShelf shelf(L"quill-desk-export");
    const char* dir = std::getenv("QUILL_SHELF_EXPORT_DIR");
    const std::wstring folder = dir ? MultiByteToWide(dir, CP_UTF8) + L"\\" : TempPath(L"quill-export-");
    struct Case {
        ShelfExportFormat format;
        const wchar_t* name;
        const char* start;
    };
    const Case cases[] = {{ShelfExportFormat::Marc21, L"shelf-marc21.mrc", ""},
                          {ShelfExportFormat::Unimarc, L"shelf-unimarc.mrc", ""},
                          {ShelfExportFormat::MarcXml, L"shelf-marcxml.xml", "<?xml"},
                          {ShelfExportFormat::Csv, L"shelf.csv", "\xEF\xBB\xBF来源"}};
    SourceConfig sources = TestSourceConfig();
    sources.sruBase = ZebraBase("marc21");
    MessageBoxRecorder boxes;
    RunMainWindow(sources, shelf.settings, [&](DialogHarness& h, BookLookupDialog& dialog) {
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(SearchAndWait(h, dialog, kBooks[i]));
            // The catalogue's row where there is one: its own record goes on the shelf.
            int row = 0;
            for (int r = 0; r < h.RowCount(); ++r)
                row = h.Cell(r, 5) == "321 p" ? r : row;
            SelectRows(h, dialog, {row});
            ::PostMessageW(h.Dialog(), WM_COMMAND, ID_SHELF_ADD, 0);
            ASSERT_TRUE(WaitFor([&] { return h.Text(IDC_SHELF_COUNT) == CountText(i + 1); }));
        }
        for (const Case& c : cases) {
            bool saved = false;
            h.OnUiThread(
                [&] { saved = BookLookupDialogProbe::Desk(dialog).SaveTo(h.Dialog(), folder + c.name, c.format); });
            EXPECT_TRUE(saved);
            const std::string text = FileBytes(folder + c.name);
            EXPECT_EQ(0u, text.find(c.start));
            EXPECT_NE(std::string::npos, text.find(kBooks[1]));
            if (!dir)
                ::DeleteFileW((folder + c.name).c_str());
        }
        h.Close();
    });
}

// The status line for the configured sources, as a search ends.
struct StatusCase {
    const char* name;
    const char* isbn;
    bool brokenCommunity;  // its address answers nothing
    const char* status;
};

TEST(StatusLine, NamesEachSourceAndWhatItSaid)
{
    const StatusCase cases[] = {
        {"found", "9787111111111", false, "图书馆：找到   社区：找到   sru：找到"},
        {"not found", "9780000000000", false, "图书馆：未找到   社区：未找到   sru：未找到"},
        {"failed", "9787111111111", true, "图书馆：找到   社区：失败：unreachable   sru：找到"},
    };
    for (const StatusCase& c : cases) {
        SourceConfig sources = TestSourceConfig();
        sources.sruBase = ZebraBase("marc21");
        if (c.brokenCommunity)
            sources.communityBase = "http://127.0.0.1:1";
        RunMainWindow(sources, [&](DialogHarness& h, BookLookupDialog& dialog) {
            ASSERT_TRUE(SearchAndWait(h, dialog, c.isbn));
            EXPECT_EQ(c.status, h.Text(IDC_STATUS_LINE)) << c.name;
            h.Close();
        });
    }
}

TEST(StatusLine, EachBadSettingIsNamedOnceAndItsSourceLeftOut)
{
    struct Case {
        const char* ini;
        const char* named;
    };
    const Case cases[] = {
        {"sru=not a url\n", "sru=not a url（不是 http(s) 网址）"},
        {"sru=http://127.0.0.1:1/db\nsruFormat=bad\n", "sruFormat=bad（应为 marc21 或 unimarc）"},
        {"sru=http://127.0.0.1:1/db\nsruIndex=\n", "sruIndex=（不能为空）"},
    };
    const std::wstring path = TempPath(L"quill-settings-") + L".ini";
    for (const Case& c : cases) {
        WriteBytes(path, "[Sources]\ncommunity=" + TestServerBase() + "\nlibrary=" + TestServerBase() + "\n" + c.ini);
        CWinApp app;
        app.SetProfilePath(path);
        const SourceConfig config = LoadSourceConfig(app);
        EXPECT_TRUE(config.sruBase.empty()) << c.ini;
        RunMainWindow(config, [&](DialogHarness& h, BookLookupDialog& dialog) {
            EXPECT_EQ(std::string("设置有误，未用其来源：") + c.named, h.Text(IDC_STATUS_LINE));
            ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
            EXPECT_EQ("图书馆：找到   社区：找到", h.Text(IDC_STATUS_LINE));
            h.Close();
        });
    }
    ::DeleteFileW(path.c_str());
}

TEST(DeskFaults, ASecondScanReplacesTheFirstAndANewSearchEmptiesIntroAndCover)
{
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        // The scanner types the next barcode into the box as it is, and Enter.
        const unsigned started = BookLookupDialogProbe::Lookup(dialog).WorkersStarted();
        for (char digit : std::string("9787333333333"))
            ::PostMessageW(h.Item(IDC_ISBN_EDIT), WM_CHAR, static_cast<WPARAM>(digit), 1);
        h.PressKey(h.Item(IDC_ISBN_EDIT), VK_RETURN);
        ASSERT_TRUE(WaitFor(
            [&] { return BookLookupDialogProbe::Lookup(dialog).WorkersStarted() > started && SearchesDone(dialog); }));
        EXPECT_EQ("9787333333333", h.Text(IDC_ISBN_EDIT));
        ASSERT_EQ(1, h.RowCount());
        EXPECT_EQ("9787333333333", h.Cell(0, 0));

        ASSERT_TRUE(SearchAndWait(h, dialog, "9787111111111"));
        ClickRow(h, 0);
        ASSERT_TRUE(WaitFor([&] { return !h.Text(IDC_INTRO_EDIT).empty(); }));
        std::string wanted;
        h.OnUiThread([&] { wanted = BookLookupDialogProbe::Cover(dialog).WantedUrl(); });
        ASSERT_NE("", wanted);
        ASSERT_TRUE(SearchAndWait(h, dialog, "9787333333333"));
        EXPECT_EQ("", h.Text(IDC_INTRO_EDIT));
        h.OnUiThread([&] { wanted = BookLookupDialogProbe::Cover(dialog).WantedUrl(); });
        EXPECT_EQ("", wanted);
        h.Close();
    });
}

}  // namespace
