#pragma once
#include <utility>

#include <windows.h>

#include "controls/ButtonLayout.h"
#include "controls/ButtonLook.h"
#include "controls/LinkTarget.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/CursorHandle.h"
#include "framework/DC.h"
#include "framework/IconHandle.h"
#include "menu/GlyphMenu.h"

// A push button that draws itself: flat, with a thin raised frame while the
// pointer is over it and a sunken one while it is pressed, an image beside
// its title. A click still reaches the parent as the button's click. It can
// also toggle as a check box, open a drop-down menu or a link target, show
// its own cursor and take the classic three-dimensional look.
class HoverButton : public CButton {
public:
    // LoadIcons' out icon id for a grey copy of the in icon.
    static constexpr int kAutoGrayId = -2;
    // SetIcons' out icon made as a grey copy of the in icon.
    enum class OutIcon { AutoGray };

    HoverButton();
    ~HoverButton() override;

    // Icon resources of the program's module; out id 0 for no out icon.
    // 0, or 1 when an icon cannot be read (no image is kept then).
    int LoadIcons(int inIconId, int outIconId);
    // The out icon may be none. 0, or 1 when an icon cannot be read (no
    // image is kept then).
    int SetIcons(IconHandle inIcon, IconHandle outIcon);
    int SetIcons(IconHandle inIcon, OutIcon grayCopy);
    // The out bitmap may be none; pixels of a transparent colour show the
    // background. 0, or 1 when a bitmap cannot be read.
    int SetBitmaps(CBitmap inBitmap, COLORREF inTransparent, CBitmap outBitmap, COLORREF outTransparent);
    void ReleaseImages();
    // None on failure.
    IconHandle MakeGrayIcon(HICON icon);
    int ResetColors(BOOL repaint);
    // Only in check-box mode (the subclassed style had bit BS_CHECKBOX).
    int SetChecked(int state, BOOL repaint);
    int IsChecked() const { return checked; }
    // text is code page 936; a click opens it with the shell. Null clears it.
    int SetLinkTarget(const char* text);
    // Loads menu template menuId; a click opens its first submenu, and the
    // chosen command goes to target (the parent when null).
    BOOL SetMenu(UINT menuId, HWND target);
    // The loaded menu template's handle, none before SetMenu.
    HMENU DropDownMenu() const { return dropDownMenu.GetSafeHandle(); }
    void SetCursor(CursorHandle newCursor) { cursor = std::move(newCursor); }
    void SetFlat(bool on);
    void SetAlignment(unsigned char imageAlignment);
    void SetTransparentBackground(bool on);
    void SetDrawHoverFrame(bool on) { drawHoverFrame = on; }
    void SetFlatFocusRect(bool on) { flatFocusRect = on; }
    void SetShowDisabledBitmap(bool on) { showDisabledBitmap = on; }
    void SetAlwaysTrack(bool on) { alwaysTrack = on; }
    void EndHover();

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual int PaintBackground(DCView dc, const RECT& rect);
    virtual int PaintHoverFrame(DCView dc, const RECT& rect);

    void OnMouseMove(UINT flags, POINT point);
    void OnMouseLeave();
    void OnKillFocus(WndView gaining);
    void OnCancelMode();
    void OnActivate(UINT state, WndView other, BOOL minimized);
    void OnEnable(BOOL enable);
    BOOL OnSetCursor(WndView wnd, UINT hitTest, UINT message);
    UINT OnGetDlgCode();
    void OnSysColorChange();
    HBRUSH CtlColor(DCView dc, UINT ctlColor);
    LRESULT OnSetStyle(UINT style, LPARAM redraw);
    void OnSetCheck(UINT state);
    UINT OnGetCheck();
    LRESULT OnMenuChar(UINT character, UINT flags, MenuView menu);
    void OnMeasureItem(int ctlId, LPMEASUREITEMSTRUCT item);
    BOOL OnClicked();

    DECLARE_MESSAGE_MAP()

private:
    struct IconSlot {
        IconHandle icon;
        UINT width = 0;
        UINT height = 0;
    };
    // The mask is white where the bitmap is transparent; there the bitmap is black.
    struct BitmapSlot {
        CBitmap bitmap;
        UINT width = 0;
        UINT height = 0;
        CBitmap mask;
        COLORREF transparent = 0;
    };

    ButtonState State() const;
    void MoveFocusOn();
    void OpenDropDownMenu();
    void DropBackgroundCache();
    int TakeIcons(IconHandle in, IconHandle out, bool grayCopy);
    static bool ReadIconSize(IconSlot& slot);
    static bool TakeBitmap(BitmapSlot& slot, CBitmap bitmap, COLORREF transparent);
    void PaintFrame(DCView dc, const RECT& rect);
    void PaintClassicFrame(DCView dc, const RECT& rect);
    void PaintTitle(DCView dc, const std::string& title, ButtonRect titleRect);
    void CopyParentBackground(DCView dc);
    ButtonRect PlaceImage(bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed, UINT width,
                          UINT height) const;
    void PaintIcon(DCView dc, bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed, bool isDisabled);
    void PaintBitmap(DCView dc, bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed, bool isDisabled);

    bool showDisabledBitmap = true;
    bool flat = true;
    bool hovering = false;
    bool transparentBackground = false;
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
    bool isDefault = false;
    bool checkBoxMode = false;
    unsigned char alignment = kImageLeft;
    bool drawHoverFrame = true;
    bool flatFocusRect = false;
    COLORREF colors[kColourSlotCount] = {};
    HWND menuTarget = nullptr;
    bool menuShown = false;
    GlyphMenu dropDownMenu;
    CursorHandle cursor;
    CDC backgroundDC;
    CBitmap backgroundBitmap;
    HGDIOBJ previousBackgroundBitmap = nullptr;
    bool alwaysTrack = true;
    int checked = 0;
    UINT typeStyle = 0x1F;
    LinkTarget linkTarget;
    IconSlot icons[2];
    BitmapSlot bitmaps[2];
    // The platform drops the focus of a window it disables before WM_ENABLE.
    bool focusTakenByDisabling = false;
};
