#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/SearchStatus.h"
#include "app/ShelfDesk.h"
#include "controls/HoverButton.h"
#include "controls/HyperLinkLabel.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"
#include "listctrl/SortingList.h"
#include "lookup/LookupState.h"
#include "lookup/SourceConfig.h"
#include "present/ComApartment.h"
#include "present/CoverFrame.h"

class SearchMailbox;

// The main window: the ISBN box, the search, the result list with the
// status line of its sources, the shelf with its button and count, the
// introduction box and the cover frame.
class BookLookupDialog : public CDialog {
public:
    // sources: where the searches look; the profile's or the built-in base
    // URLs. shelf: where kept records go; none by default.
    explicit BookLookupDialog(const SourceConfig& sources = SourceConfig(),
                              const ShelfSettings& shelf = ShelfSettings(), CWnd* parent = nullptr);
    ~BookLookupDialog() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    void StartSearch();

private:
    // The tests' narrow view of this state (tests/support/MainWindowSupport).
    friend class BookLookupDialogProbe;

    const SourceConfig sourceConfig;
    std::shared_ptr<LookupState> lookupState;

    HyperLinkLabel helpLink;
    CEdit introBox;
    HoverButton searchButton;
    HoverButton shelfButton;
    HyperLinkLabel creditLink;
    SortingList resultsList;
    std::string isbnText;
    std::string introText;
    // The community introduction of the current search; the window's thread only.
    std::string shownIntro;
    std::string shownIntroText;  // its UTF-8 form, which the box shows
    // Numbers the searches, so that a worker of an earlier one publishes nothing.
    unsigned searchNumber = 0;
    // The current search: its ISBN and the outcomes that found the book.
    std::string searchedIsbn;
    std::vector<SourceOutcome> searchFound;
    SearchStatus status;
    ShelfDesk desk;
    HICON icon;
    CToolTipCtrl toolTips;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();
    LRESULT OnPublish(WPARAM, LPARAM publication);
    void ShowSelection(NMHDR*, LRESULT* result);
    void ShowCopyMenu(NMHDR*, LRESULT* result);
    void CopySelection();
    void AddToShelf();
    void SaveShelfAs();
    void ClearShelf();
    void OpenShelfFolder();
    void ShowAbout();
    LRESULT OnCoverDownloaded(WPARAM, LPARAM download);

    DECLARE_MESSAGE_MAP()

private:
    void AddAboutItem();
    void SetUpLinks();
    void SetUpToolTips();
    void SetUpShelf();
    // The count, and the shelf menu's items that act on records grayed when there are none.
    void ShowShelfCount();
    void SetStatusText(const std::string& text);
    // The index in searchFound of the outcome that row shows, or -1.
    int OutcomeOfRow(int row) const;
    // The cover URL of the last row that has one; empty when none has.
    std::string CoverUrlOfRows() const;

    std::shared_ptr<SearchMailbox> mailbox;
    // Declared before the cover: COM must outlive its picture.
    ComApartment comApartment;
    std::unique_ptr<CoverFrame> cover;
};
