#include <cstdint>

#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/MemFile.h"

TEST(Archive, ReadsLittleEndianIntegers)
{
    CMemFile file({0x0B, 0, 0, 0, 0x78, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03, 0x80});
    CArchive archive(file);
    int32_t count = 0, width = 0, negative = 0, high = 0;
    archive >> count >> width >> negative >> high;
    EXPECT_EQ(count, 11);
    EXPECT_EQ(width, 120);
    EXPECT_EQ(negative, -2);
    EXPECT_EQ(high, static_cast<int32_t>(0x80030201));
}

TEST(Archive, EndOfDataThrowsAndReadReportsShortCount)
{
    CMemFile file({0x0B, 0, 0, 0, 0x78, 0});
    CArchive archive(file);
    int32_t value = 0;
    archive >> value;
    EXPECT_THROW(archive >> value, CArchiveException);
    EXPECT_EQ(value, 11);

    CMemFile shortFile({1, 2, 3});
    CArchive shortArchive(shortFile);
    unsigned char buffer[8];
    EXPECT_EQ(shortArchive.Read(buffer, sizeof(buffer)), 3u);
    EXPECT_EQ(shortArchive.Read(buffer, sizeof(buffer)), 0u);
}
