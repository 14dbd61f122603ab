#include "listctrl/SortingHeader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Archive.h"
#include "framework/Brush.h"
#include "framework/DCView.h"
#include "framework/Pen.h"
#include "framework/Rgn.h"
#include "framework/ScopedSelect.h"
#include "listctrl/ColumnState.h"
#include "listctrl/SortArrow.h"

namespace {

constexpr int kTextBufferLength = 255;

HeaderRect ToHeaderRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

RECT ToRect(const HeaderRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

UINT AlignmentFlags(int format)
{
    if (format & HDF_CENTER)
        return DT_CENTER;
    return (format & HDF_RIGHT) ? DT_RIGHT : DT_LEFT;
}

void DrawPath(DCView dc, const std::vector<ArrowPoint>& path)
{
    dc.MoveTo(path.front().x, path.front().y);
    for (size_t i = 1; i < path.size(); ++i)
        dc.LineTo(path[i].x, path[i].y);
}

}  // namespace

void SortingHeader::ShowSortMark(int column, BOOL ascending)
{
    sortColumn = column;
    sortAscending = ascending;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    GetItem(column, &item);
    item.fmt |= HDF_OWNERDRAW;
    SetItem(column, &item);
    InvalidateRect(nullptr, TRUE);
}

void SortingHeader::Serialize(CArchive& archive)
{
    std::vector<int32_t> widths = ReadColumnWidths(archive, GetItemCount());
    for (size_t column = 0; column < widths.size(); ++column)
        SetWidth(static_cast<int>(column), widths[column]);
}

void SortingHeader::SetWidth(int column, int width)
{
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    SetItem(column, &item);
}

void SortingHeader::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    DCView dc(drawItem->hDC);
    int saved = dc.SaveDC();
    {
        CRgn clip;
        clip.CreateRectRgnIndirect(&drawItem->rcItem);
        ScopedSelect clipToItem(dc, clip);
        CBrush face(::GetSysColor(COLOR_BTNFACE));
        dc.FillRect(&drawItem->rcItem, face);
        DrawLabel(dc, *drawItem);
        if (IsSortColumn(*drawItem))
            DrawArrow(dc, drawItem->rcItem);
    }
    dc.RestoreDC(saved);
}

bool SortingHeader::IsSortColumn(const DRAWITEMSTRUCT& drawItem) const
{
    return static_cast<int>(drawItem.itemID) == sortColumn;
}

void SortingHeader::DrawLabel(DCView dc, const DRAWITEMSTRUCT& drawItem) const
{
    HeaderLabel label =
        ComputeHeaderLabel(ToHeaderRect(drawItem.rcItem), drawItem.itemState == ODS_SELECTED, IsSortColumn(drawItem));
    if (!label.drawText)
        return;
    wchar_t text[kTextBufferLength] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = kTextBufferLength;
    GetItem(static_cast<int>(drawItem.itemID), &item);
    // The header's own context may be opaque or coloured; the face is filled already.
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    RECT rect = ToRect(label.rect);
    dc.DrawText(std::wstring(text), &rect,
                DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_END_ELLIPSIS | AlignmentFlags(item.fmt));
}

void SortingHeader::DrawArrow(DCView dc, const RECT& item) const
{
    SortArrowPaths paths = ComputeSortArrow(ToHeaderRect(item), sortAscending != FALSE);
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    ScopedSelect selectLight(dc, light);
    DrawPath(dc, paths.light);
    ScopedSelect selectShadow(dc, shadow);
    DrawPath(dc, paths.shadow);
}
