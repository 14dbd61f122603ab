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
    ON_MESSAGE(WM_COVER_DOWNLOADED, OnCoverDownloaded)
END_MESSAGE_MAP()

BookLookupDialog::BookLookupDialog(const SourceConfig& sources, CWnd* parent)
    : CDialog(IDD_QUILLFIND_DIALOG, parent), sourceConfig(sources), lookupState(std::make_shared<LookupState>()),
      icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

BookLookupDialog::~BookLookupDialog() = default;

void BookLookupDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_HELP_LABEL, helpLink);
    DDX_Control(dx, IDC_INTRO_EDIT, introBox);
    DDX_Control(dx, IDC_SEARCH_BUTTON, searchButton);
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
    return TRUE;
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
    AboutDialog about;
    about.DoModal();
}

void BookLookupDialog::StartSearch()
{
    UpdateData(TRUE);
    const unsigned search = ++searchNumber;
    resultsList.DeleteAllRows();
    for (const LookupSource& source : ConfiguredSources(sourceConfig)) {
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
    if (outcome.Found()) {
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
