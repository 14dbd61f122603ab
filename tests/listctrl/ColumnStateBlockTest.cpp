#include "listctrl/ColumnStateBlock.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;

const std::vector<int32_t> kElevenWidths = {120, 80, 150, 60, 120, 80, 80, 80, 80, 80, 20};

}  // namespace

TEST(ColumnStateBlock, EncodesLittleEndian) {
    EXPECT_EQ((Bytes{2, 0, 0, 0, 0x78, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}), EncodeColumnState({120, -1}));
    EXPECT_EQ((Bytes{0, 0, 0, 0}), EncodeColumnState({}));
}

TEST(ColumnStateBlock, ParsesCountElevenWithAllWidths) {
    ColumnStateBlock b = ParseColumnState(EncodeColumnState(kElevenWidths));
    EXPECT_TRUE(b.hasCount);
    EXPECT_EQ(11, b.count);
    EXPECT_EQ(kElevenWidths, b.widths);
    EXPECT_TRUE(b.complete);
    EXPECT_EQ(kElevenWidths, WidthsToApply(EncodeColumnState(kElevenWidths), 11));
}

TEST(ColumnStateBlock, CountTenOnElevenColumnsChangesNothing) {
    std::vector<int32_t> ten(kElevenWidths.begin(), kElevenWidths.end() - 1);
    EXPECT_TRUE(WidthsToApply(EncodeColumnState(ten), 11).empty());
    EXPECT_EQ(ten, WidthsToApply(EncodeColumnState(ten), 10));
    EXPECT_TRUE(WidthsToApply(EncodeColumnState(kElevenWidths), 12).empty());
}

TEST(ColumnStateBlock, EmptyAndTinyBlocksChangeNothing) {
    EXPECT_TRUE(WidthsToApply({}, 11).empty());
    EXPECT_TRUE(WidthsToApply({}, 0).empty());
    EXPECT_TRUE(WidthsToApply({11}, 11).empty());
    EXPECT_TRUE(WidthsToApply({11, 0, 0}, 11).empty());
    ColumnStateBlock b = ParseColumnState({11, 0, 0});
    EXPECT_FALSE(b.hasCount);
    EXPECT_FALSE(b.complete);
    EXPECT_TRUE(b.widths.empty());
}

TEST(ColumnStateBlock, ShortBlockKeepsWidthsReadSoFar) {
    Bytes bytes = EncodeColumnState(kElevenWidths);
    bytes.resize(4 + 4 * 3 + 2);  // three whole widths and half of the fourth
    ColumnStateBlock b = ParseColumnState(bytes);
    EXPECT_TRUE(b.hasCount);
    EXPECT_EQ(11, b.count);
    EXPECT_FALSE(b.complete);
    EXPECT_EQ((std::vector<int32_t>{120, 80, 150}), b.widths);
    EXPECT_EQ((std::vector<int32_t>{120, 80, 150}), WidthsToApply(bytes, 11));
    // Count only.
    Bytes countOnly(bytes.begin(), bytes.begin() + 4);
    EXPECT_TRUE(WidthsToApply(countOnly, 11).empty());
    EXPECT_FALSE(ParseColumnState(countOnly).complete);
}

TEST(ColumnStateBlock, HugeCountDoesNotOverread) {
    Bytes bytes = {0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0};
    ColumnStateBlock b = ParseColumnState(bytes);
    EXPECT_EQ(INT32_MAX, b.count);
    EXPECT_EQ((std::vector<int32_t>{1}), b.widths);
    EXPECT_FALSE(b.complete);
}

TEST(ColumnStateBlock, NegativeCountMatchesNoHeader) {
    Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0};
    ColumnStateBlock b = ParseColumnState(bytes);
    EXPECT_EQ(-1, b.count);
    EXPECT_TRUE(b.widths.empty());
    EXPECT_TRUE(b.complete);
    EXPECT_TRUE(WidthsToApply(bytes, 0).empty());
    EXPECT_TRUE(WidthsToApply(bytes, 1).empty());
    EXPECT_EQ(INT32_MIN, ParseColumnState({0, 0, 0, 0x80}).count);
}

TEST(ColumnStateBlock, LongerBlockRestIgnored) {
    Bytes bytes = EncodeColumnState(kElevenWidths);
    bytes.insert(bytes.end(), {9, 9, 9, 9, 9, 9, 9});
    ColumnStateBlock b = ParseColumnState(bytes);
    EXPECT_TRUE(b.complete);
    EXPECT_EQ(kElevenWidths, b.widths);
    EXPECT_EQ(kElevenWidths, WidthsToApply(bytes, 11));
}

TEST(ColumnStateBlock, ZeroWidthIsKept) {
    std::vector<int32_t> widths = kElevenWidths;
    widths[4] = 0;
    std::vector<int32_t> applied = WidthsToApply(EncodeColumnState(widths), 11);
    ASSERT_EQ(11u, applied.size());
    EXPECT_EQ(0, applied[4]);
    EXPECT_EQ(widths, applied);
}

TEST(ColumnStateBlock, CountZeroOnEmptyHeader) {
    EXPECT_TRUE(WidthsToApply({0, 0, 0, 0}, 0).empty());
    EXPECT_TRUE(ParseColumnState({0, 0, 0, 0}).complete);
}

TEST(HexCodec, EncodesUpperCase) {
    EXPECT_EQ("", BytesToHex({}));
    EXPECT_EQ("000AFF7F80", BytesToHex({0x00, 0x0A, 0xFF, 0x7F, 0x80}));
}

TEST(HexCodec, DecodesEitherCase) {
    Bytes out;
    ASSERT_TRUE(HexToBytes("000aFF7f80", out));
    EXPECT_EQ((Bytes{0x00, 0x0A, 0xFF, 0x7F, 0x80}), out);
    ASSERT_TRUE(HexToBytes("", out));
    EXPECT_TRUE(out.empty());
}

TEST(HexCodec, RejectsOddLengthBadDigitsAndWhiteSpace) {
    Bytes out = {1, 2, 3};
    const Bytes before = out;
    EXPECT_FALSE(HexToBytes("0", out));
    EXPECT_FALSE(HexToBytes("ABC", out));
    EXPECT_FALSE(HexToBytes("0G", out));
    EXPECT_FALSE(HexToBytes("g0", out));
    EXPECT_FALSE(HexToBytes("0A 0B", out));
    EXPECT_FALSE(HexToBytes("0A0B ", out));
    EXPECT_FALSE(HexToBytes(" 0A0", out));
    EXPECT_FALSE(HexToBytes("0A\n0B", out));
    EXPECT_FALSE(HexToBytes("0x0A", out));
    EXPECT_FALSE(HexToBytes(std::string("0\0", 2), out));
    EXPECT_EQ(before, out);  // failures leave the output alone
}

TEST(HexCodec, RoundTripsAColumnBlock) {
    Bytes block = EncodeColumnState(kElevenWidths);
    std::string hex = BytesToHex(block);
    EXPECT_EQ(2 * block.size(), hex.size());
    EXPECT_EQ("0B00000078000000", hex.substr(0, 16));
    Bytes back;
    ASSERT_TRUE(HexToBytes(hex, back));
    EXPECT_EQ(block, back);
    EXPECT_EQ(kElevenWidths, WidthsToApply(back, 11));

    Bytes all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<unsigned char>(i));
    ASSERT_TRUE(HexToBytes(BytesToHex(all), back));
    EXPECT_EQ(all, back);
}
