#include "framework/SysColorBitmap.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/ClientDC.h"

namespace {

struct ColourMap {
    COLORREF standard;
    int system;
};

const ColourMap kButtonColours[] = {
    {RGB(0, 0, 0), COLOR_BTNTEXT},
    {RGB(128, 128, 128), COLOR_BTNSHADOW},
    {RGB(192, 192, 192), COLOR_BTNFACE},
    {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
};

void MapToSystemColours(RGBQUAD* table, DWORD count)
{
    for (DWORD i = 0; i < count; ++i) {
        COLORREF colour = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        for (const ColourMap& map : kButtonColours) {
            if (colour == map.standard) {
                COLORREF system = ::GetSysColor(map.system);
                table[i] = RGBQUAD{GetBValue(system), GetGValue(system), GetRValue(system), 0};
            }
        }
    }
}

DWORD ColourCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed)
        return header.biClrUsed;
    return header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
}

}  // namespace

BOOL AfxLoadSysColorBitmap(const ResourceData& resource, CBitmap& bitmap)
{
    BITMAPINFOHEADER header{};
    if (!resource.data || resource.size < sizeof header)
        return FALSE;
    std::memcpy(&header, resource.data, sizeof header);
    const DWORD colours = ColourCount(header);
    if (header.biSize < sizeof header || header.biSize > resource.size || colours > 256 || header.biWidth <= 0 ||
        header.biBitCount == 0 || header.biBitCount > 8 || header.biCompression != BI_RGB)
        return FALSE;
    const std::size_t infoSize = header.biSize + colours * sizeof(RGBQUAD);
    const std::size_t stride = (static_cast<std::size_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    if (infoSize > resource.size || stride * std::labs(header.biHeight) > resource.size - infoSize)
        return FALSE;
    std::vector<BYTE> info(resource.data, resource.data + infoSize);
    MapToSystemColours(reinterpret_cast<RGBQUAD*>(info.data() + header.biSize), colours);
    CClientDC screen(nullptr);
    bitmap.Attach(::CreateDIBitmap(screen.GetSafeHandle(), &header, CBM_INIT, resource.data + infoSize,
                                   reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS));
    return bitmap.GetSafeHandle() != nullptr;
}
