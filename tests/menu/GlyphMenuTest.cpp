#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GuiResources.h"
#include "MenuTestResources.h"
#include "MenuTestSupport.h"
#include "framework/Bitmap.h"
#include "framework/ClientDC.h"
#include "framework/MemDC.h"
#include "framework/ScopedSelect.h"
#include "menu/GlyphMenu.h"
#include "menu/MenuFontDC.h"

namespace {

UINT State(HMENU menu, int position)
{
    return ::GetMenuState(menu, position, MF_BYPOSITION);
}

MENUITEMINFOW ItemInfo(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
}

ULONG_PTR ItemData(HMENU menu, int position)
{
    return ItemInfo(menu, position).dwItemData;
}

bool OwnerDrawn(HMENU menu, int position)
{
    return ItemInfo(menu, position).fType & MFT_OWNERDRAW;
}

GlyphMenu* GlyphAt(HMENU menu, int position)
{
    return dynamic_cast<GlyphMenu*>(CMenu::FromHandlePermanent(::GetSubMenu(menu, position)));
}

MEASUREITEMSTRUCT Measure(GlyphMenu& menu, const GlyphItemRecord* record)
{
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemData = reinterpret_cast<ULONG_PTR>(record);
    menu.MeasureItem(&item);
    return item;
}

// The colour at (x, y) of image index of a list, drawn over white.
COLORREF ImagePixel(const CImageList& list, int index, int x, int y)
{
    CClientDC screen(nullptr);
    CMemDC dc(screen.GetSafeHandle());
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen.GetSafeHandle(), 16, 15);
    ScopedSelect select(dc.GetSafeHandle(), bitmap);
    ::PatBlt(dc.GetSafeHandle(), 0, 0, 16, 15, WHITENESS);
    list.Draw(dc.GetSafeHandle(), index, POINT{0, 0}, ILD_TRANSPARENT);
    return ::GetPixel(dc.GetSafeHandle(), x, y);
}

class PopupMenu : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(menu.CreatePopupMenu()); }
    GlyphMenu menu;
};

}  // namespace

TEST(PlatformLook, ThemeReadOnceAndOnlyAsString)
{
    {
        ChosenPlatform classic = ChosenPlatform::ClassicXP("C:\\WINDOWS\\Resources\\Themes\\windows CLASSIC.Theme");
        EXPECT_FALSE(GlyphMenu::IsThemedXP());
        EXPECT_TRUE(GlyphMenu::ClassicThemeActive());
        EXPECT_FALSE(GlyphMenu::IsFlatStyle());
        EXPECT_EQ(1, classic.themeReads);
    }
    {
        // 21 bytes with no terminator: ends at the size read.
        ChosenPlatform unterminated = ChosenPlatform::ClassicXP("Windows Classic.theme");
        EXPECT_TRUE(GlyphMenu::ClassicThemeActive());
    }
    {
        ChosenPlatform binary(ChosenPlatform::kXP, REG_BINARY, "Windows Classic.theme");
        EXPECT_FALSE(GlyphMenu::ClassicThemeActive());
    }
    ChosenPlatform themed = ChosenPlatform::ThemedXP();
    EXPECT_TRUE(GlyphMenu::IsThemedXP());
    EXPECT_TRUE(GlyphMenu::IsFlatStyle());
    EXPECT_TRUE(GlyphMenu::IsModernShell());
}

TEST(PlatformLook, WineIsLaterThanXP)
{
    EXPECT_EQ(1, GlyphMenu::windowsVersion);
    EXPECT_FALSE(GlyphMenu::IsModernShell());
    EXPECT_FALSE(GlyphMenu::IsFlatStyle());
}

TEST_F(PopupMenu, MnemonicExecutesItsPosition)
{
    menu.AppendItem(L"&Open", 0, ID_FILE_OPEN);
    menu.AppendItem(L"E&xit", 0, ID_FILE_EXIT);
    EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), GlyphMenu::MatchMnemonic('X', MF_POPUP, &menu));
    EXPECT_EQ(0, GlyphMenu::MatchMnemonic('q', MF_POPUP, &menu));
    EXPECT_EQ(0, GlyphMenu::MatchMnemonic('x', 0, &menu));
    CMenu plain;
    plain.CreatePopupMenu();
    plain.AppendMenu(MF_STRING, ID_FILE_EXIT, "E&xit");
    EXPECT_EQ(0, GlyphMenu::MatchMnemonic('x', MF_POPUP, &plain));
    EXPECT_EQ(0, GlyphMenu::MatchMnemonic('x', MF_POPUP, nullptr));
}

TEST_F(PopupMenu, RecordsFollowAnItemInsertedAtTheFront)
{
    menu.AppendItem(L"Two", 0, 2);
    menu.AppendItem(nullptr, 0, 0);
    menu.AppendItem(L"E&xit", 0, ID_FILE_EXIT);
    GlyphItemRecord* two = menu.items[0].get();
    ::InsertMenuW(menu.GetSafeHandle(), 0, MF_BYPOSITION | MF_STRING, 9, L"&New");

    EXPECT_EQ(MAKELRESULT(3, MNC_EXECUTE), GlyphMenu::MatchMnemonic('x', MF_POPUP, &menu));
    ASSERT_EQ(4u, menu.items.size());
    EXPECT_EQ(L"&New", menu.items[0]->GetWideText());
    EXPECT_EQ(two, menu.items[1].get());
    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(menu.items[position].get()), ItemData(menu.GetSafeHandle(), position));
        EXPECT_TRUE(OwnerDrawn(menu.GetSafeHandle(), position));
    }
    // The separator was edited at its position, not as command 2.
    EXPECT_EQ(2u, ::GetMenuItemID(menu.GetSafeHandle(), 1));
    EXPECT_FALSE(State(menu.GetSafeHandle(), 1) & MF_SEPARATOR);
    EXPECT_TRUE(State(menu.GetSafeHandle(), 2) & MF_SEPARATOR);
}

TEST_F(PopupMenu, CallersSubmenuOutlivesTheParent)
{
    GlyphMenu child;
    ASSERT_TRUE(child.CreatePopupMenu());
    child.AppendItem(L"One", 0, ID_RECENT_ONE);
    menu.AppendItem(L"Recent", MF_POPUP, reinterpret_cast<UINT_PTR>(child.GetSafeHandle()));
    EXPECT_TRUE(GlyphMenu::IsGlyphMenu(&child));

    menu.Destroy();
    EXPECT_TRUE(::IsMenu(child.GetSafeHandle()));
    EXPECT_EQ(1, child.GetMenuItemCount());
    EXPECT_FALSE(GlyphMenu::IsGlyphMenu(&child));
}

// A plain popup, appended or adopted by a resync, goes with the menu as the
// platform's menus do; one a menu object owns stays that object's.
TEST_F(PopupMenu, PlainPopupsGoWithTheMenu)
{
    HMENU appended = ::CreatePopupMenu();
    menu.AppendItem(L"Appended", MF_POPUP, reinterpret_cast<UINT_PTR>(appended));
    HMENU adopted = ::CreatePopupMenu();
    ::InsertMenuW(menu.GetSafeHandle(), 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(adopted), L"Adopted");
    menu.ResyncRecords();
    CMenu owned;
    ASSERT_TRUE(owned.CreatePopupMenu());
    menu.AppendItem(L"Owned", MF_POPUP, reinterpret_cast<UINT_PTR>(owned.GetSafeHandle()));

    menu.Destroy();
    EXPECT_FALSE(::IsMenu(appended));
    EXPECT_FALSE(::IsMenu(adopted));
    EXPECT_TRUE(::IsMenu(owned.GetSafeHandle()));
}

TEST(TemplateLoading, NestedPopupsBecomeGlyphMenus)
{
    GlyphMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_NESTED));
    HMENU bar = menu.GetSafeHandle();
    ASSERT_EQ(2, ::GetMenuItemCount(bar));
    EXPECT_EQ("&Help", menu.GetMenuString(1, MF_BYPOSITION));
    EXPECT_FALSE(OwnerDrawn(bar, 0));
    EXPECT_FALSE(OwnerDrawn(bar, 1));

    GlyphMenu* file = GlyphAt(bar, 0);
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(GlyphMenu::IsGlyphMenu(file->GetSafeHandle()));
    ASSERT_EQ(5u, file->items.size());
    EXPECT_TRUE(OwnerDrawn(file->GetSafeHandle(), 0));
    EXPECT_TRUE(OwnerDrawn(file->GetSafeHandle(), 3));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(file->items[0].get()), ItemData(file->GetSafeHandle(), 0));
    EXPECT_TRUE(file->items[2]->flags & MF_SEPARATOR);
    GlyphMenu* recent = GlyphAt(file->GetSafeHandle(), 3);
    ASSERT_NE(nullptr, recent);
    EXPECT_EQ(2, recent->GetMenuItemCount());
    EXPECT_EQ(ID_FILE_EXIT, static_cast<int>(::GetMenuItemID(file->GetSafeHandle(), 4)));
    // The last item closed Help and the top level.
    GlyphMenu* help = GlyphAt(bar, 1);
    ASSERT_NE(nullptr, help);
    EXPECT_EQ(1, help->GetMenuItemCount());

    std::string text;
    EXPECT_TRUE(menu.GetItemText(ID_RECENT_TWO, text, MF_BYCOMMAND));
    EXPECT_EQ("Two", text);

    HMENU recentHandle = recent->GetSafeHandle();
    menu.Destroy();
    EXPECT_FALSE(::IsMenu(recentHandle));
    EXPECT_FALSE(GlyphMenu::IsGlyphMenu(recentHandle));
    EXPECT_TRUE(GlyphMenu::registeredPopups.empty());
}

// Shared check images are the caller's: every level of the loaded tree
// draws with them and none deletes them.
TEST(TemplateLoading, EveryLevelSharesTheCallersCheckImages)
{
    CImageList checks;
    ASSERT_TRUE(checks.Create(16, 15, ILC_COLORDDB | ILC_MASK, 2, 1));
    GlyphMenu menu;
    menu.checkImages = &checks;
    menu.checkImagesShared = true;
    menu.checkNormalId = 5;
    menu.checkSelectedId = 6;
    ASSERT_TRUE(menu.LoadMenu(IDM_NESTED));
    GlyphMenu* file = GlyphAt(menu.GetSafeHandle(), 0);
    ASSERT_NE(nullptr, file);
    for (GlyphMenu* level : {&menu, file, GlyphAt(file->GetSafeHandle(), 3), GlyphAt(menu.GetSafeHandle(), 1)}) {
        ASSERT_NE(nullptr, level);
        EXPECT_EQ(&checks, level->checkImages);
        EXPECT_TRUE(level->checkImagesShared);
        EXPECT_EQ(5, level->checkNormalId);
        EXPECT_EQ(6, level->checkSelectedId);
    }
    menu.Destroy();
}

// One load serves both: the column lines up, and malformed templates leave it.
TEST(TemplateLoading, ShortcutColumnLinesUpAndMalformedTemplatesChangeNothing)
{
    GlyphMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_SHORTCUTS));
    HMENU loaded = menu.GetSafeHandle();
    GlyphMenu* popup = GlyphAt(loaded, 0);
    ASSERT_NE(nullptr, popup);
    std::wstring open = popup->items[0]->GetWideText();
    std::size_t tab = open.find(L'\t');
    ASSERT_NE(std::wstring::npos, tab);
    EXPECT_EQ(L"\tCtrl+O", open.substr(tab));
    EXPECT_EQ(L"Open ", open.substr(0, 5));
    MenuFontDC dc(true);
    EXPECT_GE(dc.TextWidth(open.substr(0, tab)), dc.TextWidth(L"Exit "));
    EXPECT_GE(dc.TextWidth(open.substr(0, tab)), dc.TextWidth(L"Open "));
    EXPECT_EQ(L"Exit", popup->items[1]->GetWideText());

    EXPECT_FALSE(menu.LoadMenu(IDM_TRUNCATED));
    EXPECT_FALSE(menu.LoadMenu(IDM_EXTENDED));
    EXPECT_FALSE(menu.LoadMenu(999));
    EXPECT_EQ(loaded, menu.GetSafeHandle());
    EXPECT_EQ(popup, GlyphAt(loaded, 0));
}

TEST_F(PopupMenu, ToolbarGlyphIsTheCommandsImage)
{
    int image = 0;
    EXPECT_TRUE(menu.FindToolBarImage(ID_FILE_SAVE, IDR_GLYPHS, image));
    EXPECT_EQ(1, image);  // the separator takes no image
    menu.AppendItem(L"&Save", 0, ID_FILE_SAVE, IDR_GLYPHS);
    const int index = menu.items[0]->sharedGlyphIndex;
    ASSERT_GE(index, 0);
    EXPECT_EQ(RGB(0, 0, 255), ImagePixel(GlyphMenu::sharedGlyphList, index, 2, 8));  // the disk's blue
    menu.AppendItem(L"Save again", 0, ID_FILE_SAVE);
    EXPECT_EQ(index, menu.items[1]->sharedGlyphIndex);
}

TEST_F(PopupMenu, FlatLookKeepsOneGroupOfThreePerCommand)
{
    ChosenPlatform themed = ChosenPlatform::ThemedXP();
    menu.AppendItem(L"&Open", 0, ID_FILE_OPEN, IDR_GLYPHS);
    const std::size_t ids = GlyphMenu::sharedGlyphIds.size();
    const int index = menu.items[0]->sharedGlyphIndex;
    menu.AppendItem(L"&Open", 0, ID_FILE_OPEN, IDR_GLYPHS);
    EXPECT_EQ(ids, GlyphMenu::sharedGlyphIds.size());
    EXPECT_EQ(index, menu.items[1]->sharedGlyphIndex);
    ASSERT_TRUE(GlyphMenu::HasGlyphVariants(index));
    // The folder's black outline, faded and as a shadow.
    EXPECT_EQ(RGB(0, 0, 0), ImagePixel(GlyphMenu::sharedGlyphList, index, 2, 5));
    EXPECT_EQ(RGB(76, 76, 76), ImagePixel(GlyphMenu::sharedGlyphList, index + 1, 2, 5));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), ImagePixel(GlyphMenu::sharedGlyphList, index + 2, 2, 5));
    EXPECT_FALSE(GlyphMenu::HasGlyphVariants(static_cast<int>(GlyphMenu::sharedGlyphIds.size()) - 2));
}

// 32754 is a system bitmap's number (OBM_CLOSE), no resource of this program.
TEST_F(PopupMenu, MissingGlyphBitmapGivesNoGlyph)
{
    const int systemBitmap = 32754;
    CImageList strip;
    ASSERT_TRUE(strip.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
    EXPECT_FALSE(menu.AddGlyphFromSource(strip, systemBitmap));
    EXPECT_EQ(0, strip.GetImageCount());
    menu.AppendItem(L"Close", 0, 77, systemBitmap);
    EXPECT_EQ(-1, menu.items[0]->sharedGlyphIndex);
    EXPECT_EQ(-1, GlyphMenu::FindSharedGlyph(77));
}

TEST(Glyphs, OnlySixteenColourBitmapsTakeSystemColours)
{
    CBitmap bitmap;
    ASSERT_TRUE(GlyphMenu::LoadSysColorGlyph(IDR_GLYPHS, bitmap));
    CClientDC screen(nullptr);
    CMemDC dc(screen.GetSafeHandle());
    ScopedSelect select(dc.GetSafeHandle(), bitmap);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ::GetPixel(dc.GetSafeHandle(), 0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ::GetPixel(dc.GetSafeHandle(), 2, 5));
    CBitmap stored;
    EXPECT_FALSE(GlyphMenu::LoadSysColorGlyph(IDB_GLYPHS256, stored));
}

TEST_F(PopupMenu, DisabledGlyphIsEmbossed)
{
    using Draw = void (GlyphMenu::*)(HDC, int, int, int, int, HBITMAP, int, int, COLORREF) const;
    const COLORREF background = RGB(255, 0, 255);
    CImageList strip;
    ASSERT_TRUE(strip.Create(16, 15, ILC_COLORDDB | ILC_MASK, 1, 1));
    ASSERT_TRUE(menu.AddGlyphFromSource(strip, IDR_GLYPHS));
    CClientDC screen(nullptr);
    for (Draw draw : {&GlyphMenu::DrawDisabledGlyphDib, &GlyphMenu::DrawDisabledGlyph}) {
        CBitmap source;
        ASSERT_TRUE(menu.RenderGlyphBitmap(screen.GetSafeHandle(), strip, 0, source));  // the folder
        CMemDC dc(screen.GetSafeHandle());
        CBitmap target;
        target.CreateCompatibleBitmap(screen.GetSafeHandle(), 20, 20);
        ScopedSelect select(dc.GetSafeHandle(), target);
        const unsigned long gdi = LiveGdiObjects();
        (menu.*draw)(dc.GetSafeHandle(), 2, 2, 16, 15, source, 0, 0, background);
        EXPECT_EQ(gdi, LiveGdiObjects());
        EXPECT_EQ(background, ::GetPixel(dc.GetSafeHandle(), 2, 2));
        // The outline in the shadow colour; its lower right corner's copy one
        // pixel further in the highlight colour.
        EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), ::GetPixel(dc.GetSafeHandle(), 4, 7));
        EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetPixel(dc.GetSafeHandle(), 16, 15));
    }
}

TEST_F(PopupMenu, MeasuringInBothLooks)
{
    const int menuHeight = ::GetSystemMetrics(SM_CYMENU);
    menu.AppendItem(L"&Open\tCtrl+O", 0, ID_FILE_OPEN);
    menu.AppendItem(nullptr, 0, 0);
    GlyphItemRecord noText;
    MenuFontDC font(false);  // Wine's version is no modern shell: the context's own font
    const int textWidth = font.TextWidth(L"&Open\tCtrl+O");
    ASSERT_GT(textWidth, 0);

    MEASUREITEMSTRUCT item = Measure(menu, menu.items[0].get());
    EXPECT_EQ(static_cast<UINT>(textWidth + 33), item.itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(19, menuHeight)), item.itemHeight);
    EXPECT_EQ(33u, Measure(menu, &noText).itemWidth);
    MEASUREITEMSTRUCT separator = Measure(menu, menu.items[1].get());
    EXPECT_EQ(0u, separator.itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(9, menuHeight / 2)), separator.itemHeight);

    ChosenPlatform themed = ChosenPlatform::ThemedXP();
    const int menuFontWidth = MenuFontDC(true).TextWidth(L"&Open\tCtrl+O");
    item = Measure(menu, menu.items[0].get());
    EXPECT_EQ(static_cast<UINT>(menuFontWidth + 31), item.itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(22, menuHeight)), item.itemHeight);
    EXPECT_EQ(31u, Measure(menu, &noText).itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max(11, menuHeight / 2)), Measure(menu, menu.items[1].get()).itemHeight);
}

TEST(Resources, NoObjectOutlivesAThousandCycles)
{
    auto cycle = [] {
        GlyphMenu menu;
        menu.LoadMenu(IDM_NESTED);
        GlyphMenu* file = GlyphAt(menu.GetSafeHandle(), 0);
        file->AppendItem(L"&Save", 0, ID_FILE_SAVE, IDR_GLYPHS);
        Measure(*file, file->items[0].get());
        Measure(*file, file->items.back().get());
        return file->GetSafeHandle();
    };
    ChosenPlatform themed = ChosenPlatform::ThemedXP();
    cycle();  // the shared store's first images
    const unsigned long gdi = LiveGdiObjects();
    const unsigned long windows = LiveWindows();
    const unsigned long menus = LiveMenus();
    HMENU last = nullptr;
    for (int i = 0; i < 1000; ++i)
        last = cycle();
    EXPECT_EQ(gdi, LiveGdiObjects());
    EXPECT_EQ(windows, LiveWindows());
    EXPECT_EQ(menus, LiveMenus());
    EXPECT_FALSE(::IsMenu(last));
}
