#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "framework/Bitmap.h"
#include "framework/MemDC.h"
#include "framework/ScopedSelect.h"
#include "present/ComApartment.h"
#include "present/CoverPicture.h"

namespace {

// A 2 x 2 24-bit bitmap file: the top row red, the bottom row blue.
std::string RedOverBlueBitmap()
{
    const uint8_t rows[] = {
        255, 0, 0,   255, 0, 0,   0, 0,  // bottom row first: blue, blue (BGR), padding
        0,   0, 255, 0,   0, 255, 0, 0,  // top row: red, red
    };
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + sizeof(rows);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(reinterpret_cast<const char*>(rows), sizeof(rows));
    return bytes;
}

TEST(CoverPicture, DrawsUprightStretchedOverTheWholeRectangle)
{
    ComApartment com;
    CoverPicture picture = CoverPicture::Decode(RedOverBlueBitmap());
    ASSERT_TRUE(picture);
    HDC screen = ::GetDC(nullptr);
    CMemDC dc(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, 40, 80);
    ::ReleaseDC(nullptr, screen);
    ScopedSelect select(dc.GetSafeHandle(), bitmap.GetSafeHandle());
    RECT white{0, 0, 40, 80};
    ::FillRect(dc.GetSafeHandle(), &white, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

    EXPECT_TRUE(picture.Draw(dc.GetSafeHandle(), RECT{10, 20, 30, 60}));
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(dc.GetSafeHandle(), 11, 21));
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(dc.GetSafeHandle(), 28, 58));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dc.GetSafeHandle(), 9, 19));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dc.GetSafeHandle(), 30, 60));
}

TEST(CoverPicture, BytesThatAreNoImageDecodeToNothing)
{
    ComApartment com;
    EXPECT_FALSE(CoverPicture::Decode(""));
    EXPECT_FALSE(CoverPicture::Decode("<html><body>not found</body></html>"));
    EXPECT_FALSE(CoverPicture::Decode("\xFF\xD8\xFF\xD9"));
    EXPECT_FALSE(CoverPicture().Draw(nullptr, RECT{0, 0, 1, 1}));
}

}
