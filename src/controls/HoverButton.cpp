#include "controls/HoverButton.h"

#include <utility>

#include <shellapi.h>

#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/MemDC.h"
#include "framework/Pen.h"
#include "framework/Resource.h"
#include "framework/ScopedSelect.h"
#include "framework/Shell.h"

namespace {

constexpr UINT kTypeMask = 0x1F;
constexpr UINT kTitleFormat = DT_WORDBREAK | DT_CENTER;
constexpr UINT kMenuFlags = TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD;
// Destination AND NOT source: where the mask is white the bitmap turns black.
constexpr DWORD kBlackenMasked = 0x00220326;
const COLORREF kWhite = RGB(255, 255, 255);

ButtonRect ToButtonRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

RECT ToRect(const ButtonRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

IconHandle LoadIconResource(int id)
{
    HINSTANCE module = AfxFindResourceData(MAKEINTRESOURCEW(id), RT_GROUP_ICON).module;
    return IconHandle(
        static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
}

}  // namespace

BEGIN_MESSAGE_MAP(HoverButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SETCURSOR()
    ON_WM_GETDLGCODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_BM_SETSTYLE()
    ON_BM_SETCHECK()
    ON_BM_GETCHECK()
    ON_WM_MENUCHAR()
    ON_WM_MEASUREITEM()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

HoverButton::HoverButton()
{
    ResetColors(FALSE);
}

HoverButton::~HoverButton()
{
    DropBackgroundCache();
}

int HoverButton::LoadIcons(int inIconId, int outIconId)
{
    IconHandle in = LoadIconResource(inIconId);
    if (outIconId == kAutoGrayId)
        return SetIcons(std::move(in), OutIcon::AutoGray);
    return SetIcons(std::move(in), outIconId ? LoadIconResource(outIconId) : IconHandle());
}

int HoverButton::SetIcons(IconHandle inIcon, IconHandle outIcon)
{
    return TakeIcons(std::move(inIcon), std::move(outIcon), false);
}

int HoverButton::SetIcons(IconHandle inIcon, OutIcon)
{
    return TakeIcons(std::move(inIcon), IconHandle(), true);
}

// Without an in icon the button has no icon. A grey copy that cannot be
// made fails as an unreadable icon does.
int HoverButton::TakeIcons(IconHandle in, IconHandle out, bool grayCopy)
{
    ReleaseImages();
    if (in && grayCopy)
        out = MakeGrayIcon(in);
    const bool outWanted = grayCopy || out;
    if (in) {
        icons[0].icon = std::move(in);
        icons[1].icon = std::move(out);
        if (!ReadIconSize(icons[0]) || (outWanted && !ReadIconSize(icons[1]))) {
            ReleaseImages();
            return 1;
        }
    }
    Invalidate();
    return 0;
}

bool HoverButton::ReadIconSize(IconSlot& slot)
{
    ICONINFO info{};
    if (!slot.icon || !::GetIconInfo(slot.icon.GetSafeHandle(), &info))
        return false;
    CBitmap mask;
    mask.Attach(info.hbmMask);
    CBitmap colour;
    colour.Attach(info.hbmColor);
    // The hot spot of an icon is its centre.
    slot.width = 2 * info.xHotspot;
    slot.height = 2 * info.yHotspot;
    return true;
}

int HoverButton::SetBitmaps(CBitmap in, COLORREF inTransparent, CBitmap out, COLORREF outTransparent)
{
    ReleaseImages();
    bool taken = !in || (TakeBitmap(bitmaps[0], std::move(in), inTransparent) &&
                         (!out || TakeBitmap(bitmaps[1], std::move(out), outTransparent)));
    if (!taken) {
        ReleaseImages();
        return 1;
    }
    Invalidate();
    return 0;
}

bool HoverButton::TakeBitmap(BitmapSlot& slot, CBitmap bitmap, COLORREF transparent)
{
    BITMAP info{};
    if (!::GetObjectW(bitmap, sizeof(info), &info))
        return false;
    slot.bitmap = std::move(bitmap);
    slot.width = static_cast<UINT>(info.bmWidth);
    slot.height = static_cast<UINT>(info.bmHeight);
    slot.transparent = transparent;
    if (!slot.mask.CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr))
        return false;
    CMemDC image(nullptr);
    CMemDC mask(nullptr);
    ScopedSelect selectImage(image, slot.bitmap);
    ScopedSelect selectMask(mask, slot.mask);
    // Colour to monochrome: pixels of the source's background colour become white.
    image.SetBkColor(transparent);
    mask.BitBlt(0, 0, info.bmWidth, info.bmHeight, image, 0, 0, SRCCOPY);
    image.SetBkColor(kWhite);
    image.SetTextColor(RGB(0, 0, 0));
    image.BitBlt(0, 0, info.bmWidth, info.bmHeight, mask, 0, 0, kBlackenMasked);
    return true;
}

void HoverButton::ReleaseImages()
{
    for (IconSlot& slot : icons)
        slot = IconSlot();
    for (BitmapSlot& slot : bitmaps)
        slot = BitmapSlot();
}

IconHandle HoverButton::MakeGrayIcon(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return IconHandle();
    // Owned at once, so every return below deletes them.
    CBitmap mask;
    mask.Attach(info.hbmMask);
    CBitmap colour;
    colour.Attach(info.hbmColor);
    CClientDC windowDC(GetSafeHwnd());
    CMemDC source(windowDC.GetSafeHandle());
    CMemDC target(windowDC.GetSafeHandle());
    BITMAP description{};
    if (!windowDC.GetSafeHandle() || !source.GetSafeHandle() || !target.GetSafeHandle() ||
        !::GetObjectW(colour, sizeof(description), &description))
        return IconHandle();
    int width = static_cast<int>(2 * info.xHotspot);
    int height = static_cast<int>(2 * info.yHotspot);
    CBitmap gray;
    if (!gray.CreateBitmap(width, height, description.bmPlanes, description.bmBitsPixel, nullptr))
        return IconHandle();
    {
        ScopedSelect selectColour(source, colour);
        ScopedSelect selectGray(target, gray);
        target.BitBlt(0, 0, width, height, source, 0, 0, SRCCOPY);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                COLORREF pixel = target.GetPixel(x, y);
                if (pixel != 0)
                    target.SetPixel(x, y, GrayPixel(pixel));
            }
        }
    }
    ICONINFO grayInfo{TRUE, 0, 0, mask, gray};
    return IconHandle(::CreateIconIndirect(&grayInfo));
}

int HoverButton::ResetColors(BOOL repaint)
{
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    for (ColourSlot slot : {kHoverBackground, kNormalBackground, kFocusBackground})
        colors[slot] = face;
    for (ColourSlot slot : {kHoverText, kNormalText, kFocusText})
        colors[slot] = text;
    if (repaint)
        Invalidate();
    return 0;
}

int HoverButton::SetChecked(int state, BOOL repaint)
{
    if (!checkBoxMode)
        return 0;
    checked = state ? 1 : 0;
    if (repaint)
        Invalidate();
    return 0;
}

int HoverButton::SetLinkTarget(const char* text)
{
    linkTarget.Set(text);
    return 0;
}

BOOL HoverButton::SetMenu(UINT menuId, HWND target)
{
    dropDownMenu.Destroy();
    menuTarget = target;
    return dropDownMenu.LoadMenu(menuId);
}

void HoverButton::SetFlat(bool on)
{
    flat = on;
    hovering = hovering && on;
    Invalidate();
}

void HoverButton::SetAlignment(unsigned char imageAlignment)
{
    alignment = imageAlignment;
    Invalidate();
}

void HoverButton::SetTransparentBackground(bool on)
{
    transparentBackground = on;
    Invalidate();
}

void HoverButton::EndHover()
{
    if (!flat || !hovering)
        return;
    hovering = false;
    Invalidate();
}

void HoverButton::PreSubclassWindow()
{
    UINT style = static_cast<UINT>(::GetWindowLongW(GetSafeHwnd(), GWL_STYLE)) & 0xFF;
    typeStyle = style & kTypeMask;
    checkBoxMode = (style & BS_CHECKBOX) != 0;
    if (typeStyle == BS_DEFPUSHBUTTON) {
        isDefault = true;
        typeStyle = BS_PUSHBUTTON;
    }
    ModifyStyle(kTypeMask, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT HoverButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // An owner-drawn button reports a double-click as such; this one acts as
    // a push button, for which it is a second press.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void HoverButton::OnMouseMove(UINT flags, POINT point)
{
    Default();
    ClientToScreen(&point);
    HWND under = ::WindowFromPoint(point);
    if ((flags & MK_LBUTTON) && !hovering)
        return;
    if (!flat)
        return;
    HWND tracking = alwaysTrack ? GetSafeHwnd() : ::GetActiveWindow();
    if (under != GetSafeHwnd() || !tracking) {
        EndHover();
        return;
    }
    if (hovering)
        return;
    hovering = true;
    Invalidate();
    TrackMouseLeave();
}

void HoverButton::OnMouseLeave()
{
    EndHover();
}

void HoverButton::OnKillFocus(WndView)
{
    Default();
    if (!::IsWindowEnabled(GetSafeHwnd()))
        focusTakenByDisabling = true;
    EndHover();
}

void HoverButton::OnCancelMode()
{
    Default();
    EndHover();
}

void HoverButton::OnActivate(UINT state, WndView, BOOL)
{
    Default();
    if (state == WA_INACTIVE)
        EndHover();
}

void HoverButton::OnEnable(BOOL enable)
{
    Default();
    bool hadFocus = std::exchange(focusTakenByDisabling, false) || ::GetFocus() == GetSafeHwnd();
    if (enable)
        return;
    if (hadFocus)
        MoveFocusOn();
    EndHover();
}

void HoverButton::MoveFocusOn()
{
    HWND parent = ::GetParent(GetSafeHwnd());
    HWND next = ::GetNextDlgTabItem(parent, GetSafeHwnd(), FALSE);
    ::SetFocus(next && next != GetSafeHwnd() ? next : parent);
}

BOOL HoverButton::OnSetCursor(WndView, UINT, UINT)
{
    if (!cursor)
        return static_cast<BOOL>(Default());
    ::SetCursor(cursor.GetSafeHandle());
    return TRUE;
}

UINT HoverButton::OnGetDlgCode()
{
    return static_cast<UINT>(Default()) | (isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// Every colour slot holds a system colour.
void HoverButton::OnSysColorChange()
{
    Default();
    DropBackgroundCache();
    ResetColors(TRUE);
}

HBRUSH HoverButton::CtlColor(DCView, UINT)
{
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT HoverButton::OnSetStyle(UINT style, LPARAM redraw)
{
    UINT type = style & kTypeMask;
    if (type == BS_DEFPUSHBUTTON)
        isDefault = true;
    else if (type == BS_PUSHBUTTON)
        isDefault = false;
    return DefWindowProc(BM_SETSTYLE, (style & ~kTypeMask) | BS_OWNERDRAW, redraw);
}

void HoverButton::OnSetCheck(UINT state)
{
    SetChecked(state == BST_CHECKED || state == BST_INDETERMINATE ? 1 : 0, TRUE);
}

UINT HoverButton::OnGetCheck()
{
    return static_cast<UINT>(checked);
}

LRESULT HoverButton::OnMenuChar(UINT character, UINT flags, MenuView menu)
{
    if (GlyphMenu::IsGlyphMenu(menu.GetSafeHandle()))
        return GlyphMenu::MatchMnemonic(character, flags, CMenu::FromHandlePermanent(menu.GetSafeHandle()));
    return Default();
}

void HoverButton::OnMeasureItem(int, LPMEASUREITEMSTRUCT item)
{
    auto asMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item->itemID));
    if (item->CtlType == ODT_MENU && ::IsMenu(asMenu) && GlyphMenu::IsGlyphMenu(asMenu))
        dropDownMenu.MeasureItem(item);
    else if (!CMenu::DispatchOwnerDraw(GetSafeHwnd(), WM_MEASUREITEM, reinterpret_cast<LPARAM>(item)))
        Default();
}

BOOL HoverButton::OnClicked()
{
    SetFocus();
    if (checkBoxMode) {
        checked = checked ? 0 : 1;
        Invalidate();
    } else if (dropDownMenu.GetSafeHandle()) {
        OpenDropDownMenu();
    } else if (!linkTarget.Empty()) {
        AfxShellExecuteEx("open", linkTarget.Get(), SEE_MASK_FLAG_NO_UI, SW_SHOWMAXIMIZED);
    }
    // The parent still receives the click.
    return FALSE;
}

void HoverButton::OpenDropDownMenu()
{
    MenuView popup = dropDownMenu.GetSubMenu(0);
    if (!popup)
        return;
    RECT rect;
    GetWindowRect(&rect);
    menuShown = true;
    Invalidate();
    UINT command = static_cast<UINT>(popup.TrackPopupMenu(kMenuFlags, rect.left, rect.bottom, *this));
    menuShown = false;
    Invalidate();
    if (command)
        ::PostMessageW(menuTarget ? menuTarget : ::GetParent(GetSafeHwnd()), WM_COMMAND, LOWORD(command), 0);
}

ButtonState HoverButton::State() const
{
    return {hovering, pressed, focused, checkBoxMode};
}

void HoverButton::DropBackgroundCache()
{
    if (backgroundDC.GetSafeHandle() && previousBackgroundBitmap)
        backgroundDC.SelectObject(previousBackgroundBitmap);
    previousBackgroundBitmap = nullptr;
    backgroundBitmap.Destroy();
    backgroundDC.Destroy();
}

void HoverButton::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    DCView dc(drawItem->hDC);
    UINT state = drawItem->itemState;
    bool selected = (state & ODS_SELECTED) != 0;
    pressed = checkBoxMode ? selected || checked : selected || (dropDownMenu.GetSafeHandle() && menuShown);
    focused = (state & ODS_FOCUS) != 0;
    disabled = (state & ODS_DISABLED) != 0;
    RECT work = drawItem->rcItem;
    dc.SetBkMode(TRANSPARENT);
    if (!flat && (focused || isDefault)) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&work, black);
        ::InflateRect(&work, -1, -1);
    }
    if (transparentBackground)
        CopyParentBackground(dc);
    else
        PaintBackground(dc, work);
    PaintFrame(dc, work);
    std::string title = GetWindowText();
    bool hasTitle = !title.empty();
    ButtonRect titleRect = ToButtonRect(drawItem->rcItem);
    if (icons[0].icon)
        PaintIcon(dc, hasTitle, drawItem->rcItem, titleRect, pressed, disabled);
    if (bitmaps[0].bitmap) {
        dc.SetBkColor(kWhite);
        PaintBitmap(dc, hasTitle, drawItem->rcItem, titleRect, pressed, disabled);
    }
    if (hasTitle)
        PaintTitle(dc, title, titleRect);
    if ((!flat || flatFocusRect) && focused) {
        RECT focus = work;
        ::InflateRect(&focus, -3, -3);
        dc.DrawFocusRect(&focus);
    }
}

int HoverButton::PaintBackground(DCView dc, const RECT& rect)
{
    CBrush brush(colors[BackgroundSlot(State())]);
    dc.FillRect(&rect, brush);
    return 0;
}

int HoverButton::PaintHoverFrame(DCView dc, const RECT& rect)
{
    COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (pressed)
        dc.Draw3dRect(&rect, shadow, highlight);
    else
        dc.Draw3dRect(&rect, highlight, shadow);
    return 0;
}

void HoverButton::PaintFrame(DCView dc, const RECT& rect)
{
    if (flat) {
        if (drawHoverFrame && (pressed || hovering))
            PaintHoverFrame(dc, rect);
    } else if (pressed) {
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        dc.FrameRect(&rect, shadow);
    } else {
        PaintClassicFrame(dc, rect);
    }
}

void HoverButton::PaintClassicFrame(DCView dc, const RECT& rect)
{
    struct Path {
        int colour;
        POINT points[3];
    };
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const Path paths[] = {
        {COLOR_BTNHIGHLIGHT, {{l, b - 1}, {l, t}, {r, t}}},
        {COLOR_3DLIGHT, {{l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1}}},
        {COLOR_3DDKSHADOW, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}}},
        {COLOR_BTNSHADOW, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}}},
    };
    for (const Path& path : paths) {
        CPen pen(PS_SOLID, 1, ::GetSysColor(path.colour));
        ScopedSelect select(dc, pen);
        dc.MoveTo(path.points[0].x, path.points[0].y);
        dc.LineTo(path.points[1].x, path.points[1].y);
        dc.LineTo(path.points[2].x, path.points[2].y);
    }
}

void HoverButton::PaintTitle(DCView dc, const std::string& title, ButtonRect titleRect)
{
    if (pressed && !checkBoxMode)
        titleRect.Offset(1, 1);
    RECT measured = ToRect(titleRect);
    dc.DrawText(title, &measured, kTitleFormat | DT_CALCRECT);
    RECT placed = ToRect(CentreTitle(titleRect, ToButtonRect(measured)));
    dc.SetBkMode(TRANSPARENT);
    if (disabled) {
        // Etched: a highlight copy one pixel right and down under the shadow one.
        ::OffsetRect(&placed, 1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(title, &placed, kTitleFormat);
        ::OffsetRect(&placed, -1, -1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        dc.DrawText(title, &placed, kTitleFormat);
        return;
    }
    TitleColours slots = TitleSlots(State());
    dc.SetTextColor(colors[slots.text]);
    dc.SetBkColor(colors[slots.background]);
    dc.DrawText(title, &placed, kTitleFormat);
}

void HoverButton::CopyParentBackground(DCView dc)
{
    HWND parent = ::GetParent(GetSafeHwnd());
    CClientDC parentDC(parent);
    RECT client;
    GetClientRect(&client);
    RECT window;
    GetWindowRect(&window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    if (!backgroundDC.GetSafeHandle()) {
        backgroundDC.CreateCompatibleDC(parentDC.GetSafeHandle());
        backgroundBitmap.CreateCompatibleBitmap(parentDC.GetSafeHandle(), client.right, client.bottom);
        previousBackgroundBitmap = backgroundDC.SelectObject(backgroundBitmap);
        backgroundDC.BitBlt(0, 0, client.right, client.bottom, parentDC, window.left, window.top, SRCCOPY);
    }
    dc.BitBlt(0, 0, client.right, client.bottom, backgroundDC, 0, 0, SRCCOPY);
}

ButtonRect HoverButton::PlaceImage(bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed, UINT width,
                                   UINT height) const
{
    RECT client;
    GetClientRect(&client);
    ImageRequest request{
        alignment,   hasTitle, isPressed && !checkBoxMode, static_cast<int>(width), static_cast<int>(height),
        client.right};
    return PlaceButtonImage(request, ToButtonRect(item), title);
}

void HoverButton::PaintIcon(DCView dc, bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed,
                            bool isDisabled)
{
    ButtonState state{hovering, isPressed, focused, checkBoxMode};
    const IconSlot& slot = icons[ImageSlot(state, static_cast<bool>(icons[1].icon))];
    ButtonRect place = PlaceImage(hasTitle, item, title, isPressed, slot.width, slot.height);
    dc.DrawState({place.left, place.top}, {place.Width(), place.Height()}, slot.icon.GetSafeHandle(),
                 DST_ICON | (isDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void HoverButton::PaintBitmap(DCView dc, bool hasTitle, const RECT& item, ButtonRect& title, bool isPressed,
                              bool isDisabled)
{
    ButtonState state{hovering, isPressed, focused, checkBoxMode};
    const BitmapSlot& slot = bitmaps[ImageSlot(state, bitmaps[1].bitmap != nullptr)];
    ButtonRect place = PlaceImage(hasTitle, item, title, isPressed, slot.width, slot.height);
    int width = static_cast<int>(slot.width);
    int height = static_cast<int>(slot.height);
    CMemDC image(dc.GetSafeHandle());
    CMemDC mask(nullptr);
    ScopedSelect selectImage(image, slot.bitmap);
    ScopedSelect selectMask(mask, slot.mask);
    if (!isDisabled || !showDisabledBitmap) {
        dc.BitBlt(place.left, place.top, width, height, mask, 0, 0, SRCAND);
        dc.BitBlt(place.left, place.top, width, height, image, 0, 0, SRCPAINT);
        return;
    }
    CBitmap scratch;
    scratch.CreateCompatibleBitmap(dc.GetSafeHandle(), width, height);
    {
        CMemDC scratchDC(dc.GetSafeHandle());
        ScopedSelect selectScratch(scratchDC, scratch);
        RECT all{0, 0, width, height};
        scratchDC.FillRect(&all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        COLORREF previous = scratchDC.SetBkColor(kWhite);
        scratchDC.BitBlt(0, 0, width, height, mask, 0, 0, SRCAND);
        scratchDC.BitBlt(0, 0, width, height, image, 0, 0, SRCPAINT);
        scratchDC.SetBkColor(previous);
    }
    dc.DrawState({place.left, place.top}, {width, height}, scratch, DST_BITMAP | DSS_DISABLED);
}
