#include "imaging/preview_bitmap_win32.h"

#include <gtest/gtest.h>

namespace {

BITMAPCOREHEADER CoreHeader(WORD bitCount)
{
    BITMAPCOREHEADER header = {};
    header.bcSize = sizeof(BITMAPCOREHEADER);
    header.bcPlanes = 1;
    header.bcBitCount = bitCount;
    return header;
}

BITMAPINFOHEADER InfoHeader(WORD bitCount, DWORD colorsUsed)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biClrUsed = colorsUsed;
    return header;
}

DWORD CoreTableBytes(WORD bitCount)
{
    const BITMAPCOREHEADER header = CoreHeader(bitCount);
    return DibColorTableBytes(reinterpret_cast<const BITMAPINFOHEADER*>(&header));
}

DWORD InfoTableBytes(WORD bitCount, DWORD colorsUsed)
{
    const BITMAPINFOHEADER header = InfoHeader(bitCount, colorsUsed);
    return DibColorTableBytes(&header);
}

TEST(DibColorTableBytesTest, CoreHeaderCountsThreeByteEntriesByBitCount)
{
    EXPECT_EQ(CoreTableBytes(1), 6u);
    EXPECT_EQ(CoreTableBytes(4), 48u);
    EXPECT_EQ(CoreTableBytes(8), 768u);
    EXPECT_EQ(CoreTableBytes(16), 0u);
    EXPECT_EQ(CoreTableBytes(24), 0u);
    EXPECT_EQ(CoreTableBytes(32), 0u);
}

TEST(DibColorTableBytesTest, InfoHeaderWithoutColorsUsedCountsFourByteEntriesByBitCount)
{
    EXPECT_EQ(InfoTableBytes(1, 0), 8u);
    EXPECT_EQ(InfoTableBytes(4, 0), 64u);
    EXPECT_EQ(InfoTableBytes(8, 0), 1024u);
    EXPECT_EQ(InfoTableBytes(16, 0), 0u);
    EXPECT_EQ(InfoTableBytes(24, 0), 0u);
    EXPECT_EQ(InfoTableBytes(32, 0), 0u);
}

TEST(DibColorTableBytesTest, ColorsUsedOverridesTheBitCountByItsLow16Bits)
{
    EXPECT_EQ(InfoTableBytes(8, 20), 80u);
    EXPECT_EQ(InfoTableBytes(4, 3), 12u);
    EXPECT_EQ(InfoTableBytes(24, 7), 28u);  // an optional palette after true-colour pixels
    EXPECT_EQ(InfoTableBytes(8, 0x10005), 20u);
    // A count whose size needs more than 16 bits is not cut short.
    EXPECT_EQ(InfoTableBytes(24, 0x4000), 0x10000u);
}

// The count follows the header's size field, not the type the caller happened to pass.
TEST(DibColorTableBytesTest, LaterHeaderVersionsCountLikeTheInfoHeader)
{
    BITMAPV5HEADER header = {};
    header.bV5Size = sizeof(BITMAPV5HEADER);
    header.bV5BitCount = 4;
    EXPECT_EQ(DibColorTableBytes(reinterpret_cast<const BITMAPINFOHEADER*>(&header)), 64u);
    header.bV5ClrUsed = 2;
    EXPECT_EQ(DibColorTableBytes(reinterpret_cast<const BITMAPINFOHEADER*>(&header)), 8u);
}

}  // namespace
