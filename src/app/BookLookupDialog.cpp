#include "app/BookLookupDialog.h"

#include "app/AboutDialog.h"
#include "app/SearchMailbox.h"
#include "framework/AfxMessageBox.h"
#include "framework/ClientDC.h"
#include "framework/CodePage.h"
#include "framework/DataExchange.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/WinApp.h"
#include "lookup/ConfiguredSources.h"
#include "lookup/ResultColumns.h"
#include "lookup/SearchWorker.h"
#include "present/Clipboard.h"
#include "present/RowClipboardText.h"
#include "resource.h"

namespace {

// A worker's publish step, sent to the window's thread; lParam points at the SearchPublication.
const UINT WM_PUBLISH = WM_APP + 1;
// A finished cover download; lParam is the CoverDownload, owned by the message.
const UINT WM_COVER_DOWNLOADED = WM_APP + 2;

// The copy menu opens this far to the right of the pointer.
const int kMenuOffsetX = 80;
const char kNoSelection[] = "没有选定书目!\n";

const DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE;

// The product's web site, behind both links.
const char kProductSite[] = "https://quillfind.example";
const char kHelpPath[] = "/quillfind";
const COLORREF kLinkColor = RGB(0, 0, 255);
const COLORREF kVisitedColor = RGB(255, 0, 0);
const COLORREF kHoverColor = RGB(125, 125, 0);

}

BEGIN_MESSAGE_MAP(BookLookupDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SEARCH_BUTTON, StartSearch)
    ON_MESSAGE(WM_PUBLISH, OnPublish)
    ON_NOTIFY(NM_CLICK, IDC_RESULT_LIST, ShowSelection)
    ON_NOTIFY(NM_RCLICK, IDC_RESULT_LIST, ShowCopyMenu)
    ON_COMMAND(ID_COPY_ROW, CopySelection)
    ON_COMMAND(ID_SHELF_ADD, AddToShelf)
    ON_COMMAND(ID_SHELF_SAVE_AS, SaveShelfAs)
    ON_COMMAND(ID_SHELF_CLEAR, ClearShelf)
    ON_COMMAND(ID_SHELF_FOLDER, OpenShelfFolder)
    ON_COMMAND(ID_SHELF_ABOUT, ShowAbout)
    ON_MESSAGE(WM_COVER_DOWNLOADED, OnCoverDownloaded)
END_MESSAGE_MAP()

BookLookupDialog::BookLookupDialog(const SourceConfig& sources, const ShelfSettings& shelf, CWnd* parent)
    : CDialog(IDD_QUILLFIND_DIALOG, parent), sourceConfig(sources), lookupState(std::make_shared<LookupState>()),
      desk(shelf), icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

BookLookupDialog::~BookLookupDialog() = default;

void BookLookupDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HELP_LABEL, helpLink);
    DDX_Control(dx, IDC_INTRO_EDIT, introBox);
    DDX_Control(dx, IDC_SEARCH_BUTTON, searchButton);
    DDX_Control(dx, IDC_SHELF_BUTTON, shelfButton);
    DDX_Control(dx, IDC_CREDIT_LABEL, creditLink);
    DDX_Control(dx, IDC_RESULT_LIST, resultsList);
    DDX_Text(dx, IDC_ISBN_EDIT, isbnText);
    DDX_Text(dx, IDC_INTRO_EDIT, introText);
}

BOOL BookLookupDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    searchButton.LoadIcons(IDI_SEARCH, 0);
    mailbox = std::make_shared<SearchMailbox>(GetSafeHwnd(), WM_PUBLISH);
    cover = std::make_unique<CoverFrame>(GetSafeHwnd(), GetDlgItem(IDC_COVER_FRAME), WM_COVER_DOWNLOADED);
    resultsList.SetExtendedStyle(kListStyles);
    resultsList.CreateColumns(Cp936FromUtf8(ResultHeadingSpec()));
    resultsList.LoadColumnState();
    AddAboutItem();
    SetUpLinks();
    EnableToolTips(TRUE);
    SetUpToolTips();
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    SetUpShelf();
    return TRUE;
}

// The shelf menu's glyphs come from the toolbar strip: registered here as
// their commands' shared glyphs, they are what the loaded menu shows.
void BookLookupDialog::SetUpShelf()
{
    {
        GlyphMenu glyphSource;
        glyphSource.CreatePopupMenu();
        for (UINT id : {ID_SHELF_SAVE_AS, ID_SHELF_CLEAR, ID_SHELF_FOLDER, ID_SHELF_ABOUT})
            glyphSource.AppendItem(L"", MF_STRING, id, IDR_SHELF_GLYPHS);
    }
    shelfButton.LoadIcons(IDI_SHELF, 0);
    shelfButton.SetMenu(IDR_SHELF_MENU, GetSafeHwnd());
    std::string said = desk.Open();
    const std::string problems = SearchStatus::ProblemsText(sourceConfig.problems);
    if (!problems.empty())
        said = said.empty() ? problems : problems + Cp936FromUtf8("；") + said;
    SetStatusText(said);
    ShowShelfCount();
}

void BookLookupDialog::ShowShelfCount()
{
    ::SetWindowTextW(GetDlgItem(IDC_SHELF_COUNT), MultiByteToWide(desk.CountText()).c_str());
    HMENU popup = ::GetSubMenu(shelfButton.DropDownMenu(), 0);
    const UINT state = MF_BYCOMMAND | (desk.Count() ? MF_ENABLED : MF_GRAYED);
    ::EnableMenuItem(popup, ID_SHELF_SAVE_AS, state);
    ::EnableMenuItem(popup, ID_SHELF_CLEAR, state);
}

void BookLookupDialog::SetStatusText(const std::string& text)
{
    ::SetWindowTextW(GetDlgItem(IDC_STATUS_LINE), MultiByteToWide(text).c_str());
}

void BookLookupDialog::AddAboutItem()
{
    MenuView systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu)
        return;
    std::string about = AfxLoadString(IDS_ABOUTBOX);
    if (about.empty())
        return;
    systemMenu.AppendMenu(MF_SEPARATOR);
    systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
}

void BookLookupDialog::SetUpLinks()
{
    const std::string site = kProductSite;
    creditLink.SetLink(site, kLinkColor, kVisitedColor, kHoverColor, TRUE);
    helpLink.SetLink(site + kHelpPath, kLinkColor, kVisitedColor, kHoverColor, TRUE);
}

void BookLookupDialog::SetUpToolTips()
{
    toolTips.Create(this, 0);
    toolTips.Activate(TRUE);
    toolTips.AddTool(resultsList, Cp936FromUtf8("单击右键可把图书信息复制到Execl!"));
    toolTips.AddTool(GetDlgItem(IDC_ISBN_EDIT), Cp936FromUtf8("用条码枪扫描图书的ISBN条形码，系统自动搜索"));
    toolTips.AddTool(helpLink, Cp936FromUtf8("在线帮助"));
    toolTips.SetTipTextColor(RGB(0, 0, 255));
    toolTips.SetDelayTime(TTDT_AUTOMATIC, 150);
}

BOOL BookLookupDialog::PreTranslateMessage(MSG* msg)
{
    toolTips.RelayEvent(msg);
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        if (msg->hwnd == GetDlgItem(IDC_ISBN_EDIT)) {
            StartSearch();
            return TRUE;
        }
        msg->wParam = VK_TAB;
    }
    return CDialog::PreTranslateMessage(msg);
}

void BookLookupDialog::OnSysCommand(UINT command, LPARAM lParam)
{
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        CDialog::OnSysCommand(command, lParam);
        return;
    }
    ShowAbout();
}

void BookLookupDialog::ShowAbout()
{
    AboutDialog about;
    about.DoModal();
}

void BookLookupDialog::StartSearch()
{
    UpdateData(TRUE);
    const unsigned search = ++searchNumber;
    resultsList.DeleteAllRows();
    // The previous book's introduction and cover must not stand beside this one's rows.
    introText.clear();
    shownIntro.clear();
    shownIntroText.clear();
    UpdateData(FALSE);
    cover->Want(std::string());
    // A scanner's next barcode replaces this one instead of joining it.
    ::SendMessageW(GetDlgItem(IDC_ISBN_EDIT), EM_SETSEL, 0, -1);
    searchedIsbn = isbnText;
    searchFound.clear();
    const std::vector<LookupSource> sources = ConfiguredSources(sourceConfig);
    status.Start(sources);
    SetStatusText(status.Text());
    for (const LookupSource& source : sources) {
        auto publish = [box = mailbox, search, isbn = isbnText](const SourceOutcome& outcome) {
            box->Deliver(SearchPublication{search, isbn, outcome});
        };
        // Never awaited: the handle is closed at once.
        StartSearchWorker(source, sourceConfig, isbnText, lookupState, publish);
    }
}

LRESULT BookLookupDialog::OnPublish(WPARAM, LPARAM publication)
{
    const auto& published = *reinterpret_cast<const SearchPublication*>(publication);
    // A worker of an earlier search: its book is not the one searched for now.
    if (published.search != searchNumber)
        return 0;
    const SourceOutcome& outcome = published.outcome;
    if (outcome.source == SourceKind::Community) {
        shownIntro = outcome.values[kIntro];
        shownIntroText = outcome.text[kIntro];
    }
    status.Answer(outcome);
    SetStatusText(status.Text());
    if (outcome.Found()) {
        searchFound.push_back(outcome);
        std::vector<std::string> shown =
            RowUtf8Texts(WideToMultiByte(MultiByteToWide(published.isbn), CP_UTF8), outcome);
        shown.push_back(WideToMultiByte(MultiByteToWide(SourceCaption(outcome)), CP_UTF8));
        resultsList.AddRow(RowTexts(published.isbn, outcome), shown);
    }
    return 0;
}

void BookLookupDialog::OnPaint()
{
    if (::IsIconic(GetSafeHwnd())) {
        CPaintDC dc(GetSafeHwnd());
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHandle()), 0);
        RECT rect;
        GetClientRect(&rect);
        int x = (rect.right - rect.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (rect.bottom - rect.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc.GetSafeHandle(), x, y, icon);
        return;
    }
    // After the default paint, whose background erase would cover the picture.
    Default();
    cover->Draw();
}

HCURSOR BookLookupDialog::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(icon);
}

void BookLookupDialog::OnDestroy()
{
    // Workers still running must not reach the list once the window goes.
    if (mailbox)
        mailbox->Disconnect();
    if (cover)
        cover->Disconnect();
    CDialog::OnDestroy();
}

void BookLookupDialog::ShowSelection(NMHDR*, LRESULT* result)
{
    if (resultsList.GetNextItem(-1, LVNI_SELECTED) < 0) {
        // Nothing is drawn now, but the rows' cover is what the frame shows next.
        cover->Want(CoverUrlOfRows());
        AfxMessageBox(Cp936FromUtf8(kNoSelection));
        return;
    }
    cover->Show(CoverUrlOfRows());
    introText = shownIntro;
    UpdateData(FALSE);
    // The box shows every character of the page, beyond what code page 936 holds.
    ::SetWindowTextW(introBox.GetSafeHwnd(), MultiByteToWide(shownIntroText, CP_UTF8).c_str());
    *result = 0;
}

std::string BookLookupDialog::CoverUrlOfRows() const
{
    std::string url;
    for (int row = 0, count = resultsList.GetItemCount(); row < count; ++row) {
        std::string rowUrl = resultsList.GetColumnText(row, kCoverUrlColumn);
        if (!rowUrl.empty())
            url = rowUrl;
    }
    return url;
}

LRESULT BookLookupDialog::OnCoverDownloaded(WPARAM, LPARAM download)
{
    cover->Arrived(download);
    return 0;
}

void BookLookupDialog::ShowCopyMenu(NMHDR*, LRESULT* result)
{
    CMenu menu;
    menu.CreatePopupMenu();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    menu.AppendMenu(MF_STRING, ID_COPY_ROW, Cp936FromUtf8("复制"));
    menu.AppendMenu(MF_STRING, ID_SHELF_ADD, Cp936FromUtf8("加入书架"));
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x + kMenuOffsetX, cursor.y, *this);
    *result = 0;
}

void BookLookupDialog::CopySelection()
{
    int row = resultsList.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        AfxMessageBox(Cp936FromUtf8(kNoSelection));
        return;
    }
    if (PutTextOnClipboard(GetSafeHwnd(), RowClipboardText(resultsList, row), RowClipboardUnicode(resultsList, row)))
        MessageBox(Cp936FromUtf8("已将数据存入剪贴板"), std::string(), MB_OK);
}

int BookLookupDialog::OutcomeOfRow(int row) const
{
    for (std::size_t i = 0; i < searchFound.size(); ++i) {
        bool same = resultsList.GetColumnText(row, 0) == searchedIsbn;
        for (std::size_t slot = 0; same && slot < kIntro; ++slot)
            same = resultsList.GetColumnText(row, ColumnOfSlot(static_cast<Slot>(slot))) == searchFound[i].values[slot];
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

void BookLookupDialog::AddToShelf()
{
    const int row = resultsList.GetNextItem(-1, LVNI_SELECTED);
    const int found = row < 0 ? -1 : OutcomeOfRow(row);
    if (found < 0) {
        AfxMessageBox(Cp936FromUtf8(kNoSelection));
        return;
    }
    const bool added = desk.Add(GetSafeHwnd(), searchedIsbn, searchFound, static_cast<std::size_t>(found));
    ShowShelfCount();
    // Back to the ISBN box, its text selected: the next scan is the next book.
    if (added)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(static_cast<HWND>(GetDlgItem(IDC_ISBN_EDIT))), TRUE);
}

void BookLookupDialog::SaveShelfAs()
{
    desk.SaveAs(GetSafeHwnd());
}

void BookLookupDialog::ClearShelf()
{
    desk.Clear(GetSafeHwnd());
    ShowShelfCount();
}

void BookLookupDialog::OpenShelfFolder()
{
    desk.OpenFolder();
}
