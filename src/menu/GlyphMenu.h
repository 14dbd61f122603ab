#pragma once
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"
#include "menu/GlyphItemRecord.h"
#include "menu/MenuTemplate.h"

// A menu whose popup items draw themselves: each item carries a
// GlyphItemRecord as its item data and shows its text with a glyph, in the
// classic look or, on themed Windows XP, the flat one. A GlyphMenu owns its
// records and the popup levels it created; all menus share one glyph store.
class GlyphMenu : public CMenu {
public:
    GlyphMenu();
    ~GlyphMenu() override;
    GlyphMenu(GlyphMenu&&) = delete;
    GlyphMenu& operator=(GlyphMenu&&) = delete;

    // The look is the classic one on a palette display or when IsFlatStyle
    // is false, else the flat one.
    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    // Fails, changing nothing, when the template is missing or malformed.
    BOOL LoadMenu(const wchar_t* name) override;
    BOOL LoadMenu(UINT id) override;
    // The menu's DestroyMenu: releases the records, the submenus this menu
    // created (never a caller's menu object) and the platform menu.
    BOOL Destroy() override;

    // ---- Class-wide look and registry of popups.
    static int DetectWindowsVersion();
    // Detects the version again and forgets the theme check (tests choose
    // the platform through SystemFacts::Install first).
    static void RedetectPlatformLook();
    static bool IsModernShell();
    // Read from the registry once, then cached.
    static bool ClassicThemeActive();
    static bool IsThemedXP();
    static bool IsFlatStyle();
    // A GlyphMenu whose handle some GlyphMenu appended as a popup.
    static bool IsGlyphMenu(const CMenu* menu);
    static bool IsGlyphMenu(HMENU menu);
    // The WM_MENUCHAR answer; 0 for a menu bar or a menu that is not a GlyphMenu.
    static LRESULT MatchMnemonic(UINT character, UINT flags, CMenu* menu);

    // ---- Building and editing. Positions always address items by position.
    // id 0 makes a separator; with MF_POPUP id is a submenu handle: one that
    // a menu object owns stays that object's, a plain one goes with this
    // menu. glyphResource -1: the command's shared glyph.
    BOOL AppendItem(const wchar_t* text, UINT flags, UINT_PTR id, int glyphResource = -1);
    // The new record, not yet placed in items. text is code page 936.
    std::unique_ptr<GlyphItemRecord> ReplaceItem(int position, UINT flags, UINT_PTR id, const std::string& text);
    bool FindToolBarImage(UINT id, int toolBarResource, int& imageIndex) const;
    // The level holding the command (this menu or a submenu, which may be
    // no GlyphMenu), or null with position -1.
    HMENU FindCommand(UINT id, int& position) const;
    // text is code page 936; flags MF_BYPOSITION or MF_BYCOMMAND.
    bool GetItemText(UINT key, std::string& text, UINT flags);
    int MenuBarOffset() const;
    void RestoreMenuBarText();
    GlyphItemRecord* ClaimRecord(UINT_PTR id);
    void ResetClaims(bool value);
    void DeleteUnclaimed();
    // Rebuilds items from the platform menu as it is now.
    void ResyncRecords();
    void AlignShortcutColumn();

    // ---- Glyph images (BlendToWhite is in menu/GlyphColour.h).
    // The image over a COLOR_BTNFACE background, glyphWidth by glyphHeight.
    bool RenderGlyphBitmap(HDC dc, const CImageList& list, int index, CBitmap& bitmap) const;
    static void MakeFadedGlyph(CBitmap& bitmap);
    static void MakeShadowGlyph(CBitmap& bitmap);
    // Only a 16-colour bitmap, with the system's button colours.
    static bool LoadSysColorGlyph(UINT id, CBitmap& bitmap);
    // source: a bitmap resource id, or an icon handle when glyphsAreIcons.
    bool AddGlyphFromSource(CImageList& list, UINT_PTR source) const;
    static int FindSharedGlyph(UINT_PTR id);
    // The images at index, index + 1 and index + 2 belong to one command.
    static bool HasGlyphVariants(int index);
    int AddSharedGlyph(const CImageList& list, int index, UINT_PTR id) const;
    void DrawDisabledGlyphDib(HDC dc, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY,
                              COLORREF background) const;
    // Overwrites the source bitmap's (0, 0, width, height) as its scratch.
    void DrawDisabledGlyph(HDC dc, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY,
                           COLORREF background) const;

    // ---- Drawing of the two looks (menu/GlyphMenuDraw*.cpp).
    void DrawClassicItem(LPDRAWITEMSTRUCT item);
    void DrawFlatItem(LPDRAWITEMSTRUCT item);
    void DrawClassicCheckBox(HDC dc, const RECT& rect, bool selected, bool bullet);
    static void DrawFlatCheckBox(HDC dc, const RECT& rect, bool bullet, COLORREF frame);
    static void StrokeCheckMark(HDC dc, int x, int y, COLORREF colour);
    static void DrawBullet(HDC dc, int x, int y, COLORREF colour);

    // ---- Per menu.
    std::vector<std::unique_ptr<GlyphItemRecord>> items;
    std::vector<HMENU> submenus;  // popups appended to this level
    int glyphWidth = 16;
    int glyphHeight = 15;
    COLORREF glyphKeyColor = RGB(192, 192, 192);
    bool useGlyphKeyColor = false;
    bool useDibDisabledGlyphs = false;
    CImageList* checkImages = nullptr;  // image 0 normal, image 1 selected
    bool checkImagesShared = false;
    int checkSelectedId = -1;
    int checkNormalId = -1;
    bool glyphsAreIcons = false;
    bool loadedFromTemplate = false;

    // ---- Class-wide, made by static initialisation before the application
    // object and kept until exit.
    static CImageList sharedGlyphList;
    static std::vector<UINT_PTR> sharedGlyphIds;  // one per image
    static int windowsVersion;
    static std::vector<HMENU> registeredPopups;

    static constexpr int themedDrawMode = 1;
    static constexpr int plainDrawMode = 0;
    static constexpr int selectDisabledClassic = 1;
    static constexpr int selectDisabledFlat = 0;
    static constexpr int flatGlyphVariants = 1;

private:
    static void Unregister(HMENU menu);
    int LoadCommandGlyph(UINT_PTR id, int glyphResource) const;
    std::unique_ptr<GlyphItemRecord> TakeClaimed(GlyphItemRecord* record);
    std::unique_ptr<GlyphItemRecord> ResyncItem(int position);
    void DetachPopups();
    void SetBarPopup(int position, GlyphItemRecord& record, HMENU sub);
    bool BuildFromTemplate(const std::vector<MenuTemplateItem>& parsed);
    void MakeMenuBar();
    // The source's images as they are, without the flat look's variants.
    bool AddGlyphImages(CImageList& list, UINT_PTR source) const;
    bool CreateGlyphList(CImageList& list) const;
    void AppendGlyphVariants(CImageList& list) const;
    bool MakeGlyphVariants(const CImageList& list, int index, CBitmap& faded, CBitmap& shadow) const;
    void ReplaceSharedFromBitmap(int index, HBITMAP bitmap) const;

    std::vector<std::unique_ptr<GlyphMenu>> createdSubmenus;  // made by LoadMenu
};
