#include "imaging/pixel_adjust.h"
#include "imaging/preview_bitmap_win32.h"

#include "counting_gdi_calls.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Levels {
    int brightness, contrast, red, green, blue;
};

const Levels SampleLevels[] = {
    {100, 100, 100, 100, 100}, {150, 100, 100, 100, 100}, {100, 0, 100, 100, 100}, {120, 80, 100, 100, 100},
    {100, 100, 200, 100, 0},   {0, 200, 0, 200, 37},      {73, 141, 160, 12, 199},
};

// Pixels of a 24-bit row set, filler bytes dropped, so that rows read back from different
// bitmaps compare by what they show.
std::vector<uint8_t> PixelsOnly(const std::vector<uint8_t>& rows, int width, int height)
{
    std::vector<uint8_t> pixels;
    const int stride = Dib24Stride(width);
    for (int y = 0; y < height; ++y) {
        const auto row = rows.begin() + y * stride;
        pixels.insert(pixels.end(), row, row + 3 * width);
    }
    return pixels;
}

bool ScreenHoldsTrueColour()
{
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return bits >= 24;
}

void ExpectRoundTrip(HBITMAP source, int width, int height)
{
    const std::vector<uint8_t> sourceRows = ReadRows24(source, width, height);
    ASSERT_FALSE(sourceRows.empty());
    for (const Levels& l : SampleLevels) {
        SCOPED_TRACE(::testing::Message() << "levels " << l.brightness << " " << l.contrast << " " << l.red
                                          << " " << l.green << " " << l.blue);
        std::vector<uint8_t> expected = sourceRows;
        AdjustPixelBuffer(expected.data(), width, height, Dib24Stride(width), l.brightness, l.contrast, l.red,
                          l.green, l.blue);

        HBITMAP adjusted =
            AdjustPreviewBitmap(source, width, height, l.brightness, l.contrast, l.red, l.green, l.blue);
        ASSERT_NE(adjusted, nullptr);
        const std::vector<uint8_t> shown = ReadRows24(adjusted, width, height);
        DeleteObject(adjusted);
        ASSERT_FALSE(shown.empty());
        ASSERT_EQ(PixelsOnly(shown, width, height), PixelsOnly(expected, width, height));
    }
}

class AdjustPreviewBitmapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ScreenHoldsTrueColour())
            GTEST_SKIP() << "the screen cannot show every colour exactly";
    }
};

TEST_F(AdjustPreviewBitmapTest, ShowsExactlyTheAdjustedPixelsOfAFourBitPicture)
{
    HBITMAP source = CreateFourBitSection(116, 108);
    ASSERT_NE(source, nullptr);
    ExpectRoundTrip(source, 116, 108);
    DeleteObject(source);
}

TEST_F(AdjustPreviewBitmapTest, ShowsExactlyTheAdjustedPixelsOfEveryChannelValue)
{
    HBITMAP source = CreateGradientSection(117, 5);  // rows with filler
    ASSERT_NE(source, nullptr);
    ExpectRoundTrip(source, 117, 5);
    DeleteObject(source);
}

TEST_F(AdjustPreviewBitmapTest, ResultIsScreenCompatibleAndTheSourceUnchanged)
{
    HBITMAP source = CreateFourBitSection(116, 108);
    ASSERT_NE(source, nullptr);
    const std::vector<uint8_t> before = ReadRows24(source, 116, 108);
    HBITMAP adjusted = AdjustPreviewBitmap(source, 116, 108, 0, 200, 0, 200, 0);
    ASSERT_NE(adjusted, nullptr);

    BITMAP picture = {};
    ASSERT_NE(GetObjectW(adjusted, sizeof picture, &picture), 0);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(picture.bmBitsPixel, GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(picture.bmWidth, 116);
    EXPECT_EQ(picture.bmHeight, 108);
    EXPECT_EQ(ReadRows24(source, 116, 108), before);
    DeleteObject(adjusted);
    DeleteObject(source);
}

// A caller that claims a larger picture than the source must not reach past its rows.
TEST_F(AdjustPreviewBitmapTest, ClaimedSizeBeyondTheSourceAdjustsOnlyTheSource)
{
    HBITMAP source = CreateGradientSection(117, 5);
    ASSERT_NE(source, nullptr);
    HBITMAP exact = AdjustPreviewBitmap(source, 117, 5, 150, 60, 120, 80, 100);
    HBITMAP oversized = AdjustPreviewBitmap(source, 400, 300, 150, 60, 120, 80, 100);
    ASSERT_NE(exact, nullptr);
    ASSERT_NE(oversized, nullptr);
    EXPECT_EQ(ReadRows24(oversized, 117, 5), ReadRows24(exact, 117, 5));
    DeleteObject(exact);
    DeleteObject(oversized);
    DeleteObject(source);
}

TEST(AdjustPreviewBitmapLedgerTest, EachCallFreesItsBlockAndReleasesItsScreens)
{
    HBITMAP source = CreateFourBitSection(116, 108);
    ASSERT_NE(source, nullptr);
    CountingGdiCalls calls;
    HBITMAP adjusted = AdjustPreviewBitmap(source, 116, 108, 120, 80, 100, 100, 100);
    EXPECT_NE(adjusted, nullptr);
    EXPECT_EQ(calls.Ledger().blocksTaken, calls.Ledger().blocksFreed);
    EXPECT_GE(calls.Ledger().blocksTaken, 1);
    EXPECT_EQ(calls.Ledger().dcsTaken, 2);
    EXPECT_EQ(calls.Ledger().dcsReleased, 2);
    DeleteObject(adjusted);
    DeleteObject(source);
}

class AdjustPreviewBitmapFailureTest : public ::testing::TestWithParam<FailingCall> {};

TEST_P(AdjustPreviewBitmapFailureTest, FailedStepGivesNoneAndReleasesEverything)
{
    HBITMAP source = CreateFourBitSection(116, 108);
    ASSERT_NE(source, nullptr);
    {
        CountingGdiCalls calls(GetParam());
        EXPECT_EQ(AdjustPreviewBitmap(source, 116, 108, 120, 80, 100, 100, 100), nullptr);
        EXPECT_EQ(calls.Ledger().blocksTaken, calls.Ledger().blocksFreed);
        EXPECT_EQ(calls.Ledger().dcsTaken, calls.Ledger().dcsReleased);
    }
    EXPECT_EQ(AdjustPreviewBitmap(nullptr, 116, 108, 120, 80, 100, 100, 100), nullptr);
    DeleteObject(source);
}

INSTANTIATE_TEST_SUITE_P(EachFallibleStep, AdjustPreviewBitmapFailureTest,
                         ::testing::Values(FailingCall::GetDC, FailingCall::GlobalAlloc,
                                           FailingCall::FirstGetDIBits, FailingCall::GlobalReAlloc,
                                           FailingCall::SecondGetDIBits, FailingCall::CreateDIBitmap),
                         [](const ::testing::TestParamInfo<FailingCall>& info) {
                             return std::string(FailingCallName(info.param));
                         });

}  // namespace
