#include "imaging/pixel_adjust.h"
#include "imaging/preview_bitmap_win32.h"

#include "counting_gdi_calls.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr int PreviewWidth = 116;
constexpr int PreviewHeight = 108;

struct LockedDib {
    HGLOBAL block;
    BITMAPINFOHEADER* header;
    const uint8_t* rows;
};

LockedDib LockDib(HGLOBAL block)
{
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    const uint8_t* rows = header == nullptr ? nullptr
                                            : reinterpret_cast<const uint8_t*>(header) + header->biSize +
                                                  DibColorTableBytes(header);
    return {block, header, rows};
}

void UnlockAndFree(const LockedDib& dib)
{
    GlobalUnlock(dib.block);
    GlobalFree(dib.block);
}

void ExpectPackedDib24(const BITMAPINFOHEADER& header, HGLOBAL block, int width, int height)
{
    EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header.biWidth, width);
    EXPECT_EQ(header.biHeight, height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(DibColorTableBytes(&header), 0u);
    const SIZE_T rowsBytes = static_cast<SIZE_T>(Dib24Stride(width)) * height;
    EXPECT_GE(header.biSizeImage, rowsBytes);
    EXPECT_GE(GlobalSize(block), sizeof(BITMAPINFOHEADER) + rowsBytes);
    // A movable block's handle is not its address.
    void* memory = GlobalLock(block);
    EXPECT_NE(memory, static_cast<void*>(block)) << "a GHND block, not a fixed one";
    GlobalUnlock(block);
}

TEST(BitmapToDib24Test, FourBitPictureComesOutAs24BitsWithoutColourTable)
{
    HBITMAP source = CreateFourBitSection(PreviewWidth, PreviewHeight);
    ASSERT_NE(source, nullptr);
    HGLOBAL block = BitmapToDib24(source);
    ASSERT_NE(block, nullptr);
    const LockedDib dib = LockDib(block);
    ASSERT_NE(dib.header, nullptr);
    ExpectPackedDib24(*dib.header, block, PreviewWidth, PreviewHeight);

    // Every pixel carries its palette colour, rows bottom-up as in the source.
    const int stride = Dib24Stride(PreviewWidth);
    for (int y = 0; y < PreviewHeight; ++y)
        for (int x = 0; x < PreviewWidth; ++x) {
            const RGBQUAD& colour = TestPalette[TestPaletteIndexAt(x, y)];
            const uint8_t* pixel = dib.rows + y * stride + 3 * x;
            ASSERT_EQ(pixel[0], colour.rgbBlue) << x << "," << y;
            ASSERT_EQ(pixel[1], colour.rgbGreen) << x << "," << y;
            ASSERT_EQ(pixel[2], colour.rgbRed) << x << "," << y;
        }
    UnlockAndFree(dib);
    DeleteObject(source);
}

TEST(BitmapToDib24Test, FourBitDeviceBitmapComesOutAs24Bits)
{
    const int width = 13, height = 7;  // rows with filler
    HBITMAP source = CreateFourBitDdb(width, height);
    ASSERT_NE(source, nullptr);
    BITMAP picture = {};
    ASSERT_NE(GetObjectW(source, sizeof picture, &picture), 0);
    EXPECT_EQ(picture.bmBitsPixel, 4);

    HGLOBAL block = BitmapToDib24(source);
    ASSERT_NE(block, nullptr);
    const LockedDib dib = LockDib(block);
    ASSERT_NE(dib.header, nullptr);
    ExpectPackedDib24(*dib.header, block, width, height);
    UnlockAndFree(dib);
    DeleteObject(source);
}

TEST(BitmapToDib24Test, TakesOneBlockForTheCallerAndGivesTheScreenBack)
{
    HBITMAP source = CreateGradientSection(117, 5);
    ASSERT_NE(source, nullptr);
    HGLOBAL block = nullptr;
    {
        CountingGdiCalls calls;
        block = BitmapToDib24(source);
        EXPECT_EQ(calls.Ledger().blocksTaken - calls.Ledger().blocksFreed, 1);
        EXPECT_EQ(calls.Ledger().dcsTaken, 1);
        EXPECT_EQ(calls.Ledger().dcsReleased, 1);
    }
    ASSERT_NE(block, nullptr);
    GlobalFree(block);
    DeleteObject(source);
}

TEST(BitmapToDib24Test, NoPictureOrADeletedOneGivesNone)
{
    CountingGdiCalls calls;
    EXPECT_EQ(BitmapToDib24(nullptr), nullptr);
    HBITMAP deleted = CreateFourBitSection(8, 8);
    ASSERT_NE(deleted, nullptr);
    DeleteObject(deleted);
    EXPECT_EQ(BitmapToDib24(deleted), nullptr);
    EXPECT_EQ(calls.Ledger().blocksTaken, 0);
    EXPECT_EQ(calls.Ledger().dcsTaken, calls.Ledger().dcsReleased);
}

class BitmapToDib24FailureTest : public ::testing::TestWithParam<FailingCall> {};

TEST_P(BitmapToDib24FailureTest, FailedStepGivesNoneAndReleasesEverything)
{
    HBITMAP source = CreateFourBitSection(PreviewWidth, PreviewHeight);
    ASSERT_NE(source, nullptr);
    {
        CountingGdiCalls calls(GetParam());
        EXPECT_EQ(BitmapToDib24(source), nullptr);
        EXPECT_EQ(calls.Ledger().blocksTaken, calls.Ledger().blocksFreed);
        EXPECT_EQ(calls.Ledger().dcsTaken, calls.Ledger().dcsReleased);
    }
    DeleteObject(source);
}

INSTANTIATE_TEST_SUITE_P(EachFallibleStep, BitmapToDib24FailureTest,
                         ::testing::Values(FailingCall::GetDC, FailingCall::GlobalAlloc,
                                           FailingCall::FirstGetDIBits, FailingCall::GlobalReAlloc,
                                           FailingCall::SecondGetDIBits),
                         [](const ::testing::TestParamInfo<FailingCall>& info) {
                             return std::string(FailingCallName(info.param));
                         });

}  // namespace
