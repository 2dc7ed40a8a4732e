#include "imaging/pixel_adjust.h"
#include "imaging/pixel_adjust_reference.h"

#include "sweep_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Levels {
    int brightness, contrast, red, green, blue;
};

struct Rgb {
    int r, g, b;
};

using AdjustFunction = void (*)(uint8_t*, int, int, int, int, int, int, int, int);

Rgb AdjustOnePixel(AdjustFunction adjust, Rgb in, const Levels& l)
{
    uint8_t pixel[4] = {static_cast<uint8_t>(in.b), static_cast<uint8_t>(in.g), static_cast<uint8_t>(in.r),
                        0};
    adjust(pixel, 1, 1, 4, l.brightness, l.contrast, l.red, l.green, l.blue);
    return {pixel[2], pixel[1], pixel[0]};
}

struct WorkedPixel {
    Rgb in;
    Levels levels;
    Rgb out;
};

const WorkedPixel WorkedPixels[] = {
    {{200, 100, 50}, {100, 150, 100, 100, 100}, {100, 50, 25}},
    {{200, 100, 50}, {100, 200, 100, 100, 100}, {0, 0, 0}},
    {{100, 50, 1}, {100, 0, 100, 100, 100}, {199, 99, 1}},
    {{255, 0, 0}, {100, 50, 100, 100, 100}, {128, 0, 0}},
    {{255, 0, 0}, {100, 0, 100, 100, 100}, {1, 0, 0}},
    {{100, 100, 100}, {150, 100, 100, 100, 100}, {150, 150, 150}},
    {{100, 100, 100}, {0, 100, 100, 100, 100}, {1, 1, 1}},
    {{192, 192, 192}, {120, 80, 100, 100, 100}, {255, 255, 255}},
    {{128, 128, 128}, {100, 100, 200, 100, 0}, {255, 128, 1}},
    {{255, 128, 0}, {100, 100, 0, 0, 0}, {255, 1, 0}},
    {{1, 1, 1}, {100, 100, 150, 150, 150}, {2, 2, 2}},
    {{5, 5, 5}, {100, 100, 50, 50, 50}, {3, 3, 3}},
};

class WorkedPixelTest : public ::testing::TestWithParam<AdjustFunction> {};

TEST_P(WorkedPixelTest, GivesTheDocumentedResults)
{
    for (const WorkedPixel& w : WorkedPixels) {
        const Rgb out = AdjustOnePixel(GetParam(), w.in, w.levels);
        EXPECT_EQ(out.r, w.out.r) << "in " << w.in.r << "," << w.in.g << "," << w.in.b;
        EXPECT_EQ(out.g, w.out.g) << "in " << w.in.r << "," << w.in.g << "," << w.in.b;
        EXPECT_EQ(out.b, w.out.b) << "in " << w.in.r << "," << w.in.g << "," << w.in.b;
    }
}

INSTANTIATE_TEST_SUITE_P(FastAndReference, WorkedPixelTest,
                         ::testing::Values(&AdjustPixelBuffer, &AdjustPixelBufferReference),
                         [](const ::testing::TestParamInfo<AdjustFunction>& info) {
                             return info.param == &AdjustPixelBuffer ? "TableDriven" : "Reference";
                         });

TEST(AdjustTermTest, TruncatesNegativeProductsTowardZero)
{
    EXPECT_EQ(AdjustTerm(100, 0), -99);
    EXPECT_EQ(AdjustTerm(1, 0), 0);
    EXPECT_EQ(AdjustTerm(255, 0), -254);
    EXPECT_EQ(AdjustTerm(255, 200), 255);
    EXPECT_EQ(AdjustTerm(1, 150), 1);  // 0.5 rounds up for positive products
}

// The arithmetic is also describable as single-precision product and quotient, widened, plus
// one half, truncated; both must agree everywhere in range or the description is wrong.
TEST(AdjustTermTest, AgreesWithTheSinglePrecisionFormEverywhere)
{
    for (int p = 0; p <= 200; ++p)
        for (int c = 0; c <= 255; ++c) {
            const float quotient = static_cast<float>(c) * static_cast<float>(p - 100) / 100.0f;
            const int viaFloat = static_cast<int>(static_cast<double>(quotient) + 0.5);
            ASSERT_EQ(AdjustTerm(c, p), viaFloat) << "c " << c << " p " << p;
        }
}

TEST(AdjustRulesTest, AllLevelsAt100LeaveEveryPixelUnchanged)
{
    std::vector<uint8_t> pixels = SweepPixels();
    const std::vector<uint8_t> before = pixels;
    const int count = static_cast<int>(pixels.size() / 3);
    AdjustPixelBuffer(pixels.data(), count, 1, count * 3, 100, 100, 100, 100, 100);
    EXPECT_EQ(pixels, before);
}

TEST(AdjustRulesTest, WhiteStaysWhiteForAnyLevels)
{
    const int extremes[] = {0, 99, 101, 200};
    for (int b : extremes)
        for (int c : extremes)
            for (int r : extremes)
                for (int g : extremes)
                    for (int bl : extremes) {
                        uint8_t pixel[3] = {255, 255, 255};
                        AdjustPixelBuffer(pixel, 1, 1, 3, b, c, r, g, bl);
                        ASSERT_TRUE(pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255)
                            << b << " " << c << " " << r << " " << g << " " << bl;
                    }
    // Every single level value as well, the others neutral.
    for (int level = 0; level <= 200; ++level) {
        uint8_t pixels[15];
        for (uint8_t& byte : pixels)
            byte = 255;
        AdjustPixelBuffer(pixels, 1, 1, 3, level, 100, 100, 100, 100);
        AdjustPixelBuffer(pixels + 3, 1, 1, 3, 100, level, 100, 100, 100);
        AdjustPixelBuffer(pixels + 6, 1, 1, 3, 100, 100, level, 100, 100);
        AdjustPixelBuffer(pixels + 9, 1, 1, 3, 100, 100, 100, level, 100);
        AdjustPixelBuffer(pixels + 12, 1, 1, 3, 100, 100, 100, 100, level);
        for (uint8_t byte : pixels)
            ASSERT_EQ(byte, 255) << "level " << level;
    }
}

TEST(AdjustRulesTest, BrightnessZeroSendsEveryNonZeroChannelOfANonWhitePixelToOne)
{
    std::vector<uint8_t> pixels = SweepPixels();
    const std::vector<uint8_t> before = pixels;
    const int count = static_cast<int>(pixels.size() / 3);
    AdjustPixelBuffer(pixels.data(), count, 1, count * 3, 0, 100, 100, 100, 100);
    for (int i = 0; i < count; ++i) {
        const uint8_t* in = &before[3 * i];
        const uint8_t* out = &pixels[3 * i];
        const bool white = in[0] == 255 && in[1] == 255 && in[2] == 255;
        for (int ch = 0; ch < 3; ++ch) {
            const int expected = white ? 255 : (in[ch] == 0 ? 0 : 1);
            ASSERT_EQ(out[ch], expected) << "pixel " << i << " channel " << ch;
        }
    }
}

TEST(AdjustRulesTest, ContrastTwoHundredZeroesEveryChannelBelow255OfANonWhitePixel)
{
    std::vector<uint8_t> pixels = SweepPixels();
    const std::vector<uint8_t> before = pixels;
    const int count = static_cast<int>(pixels.size() / 3);
    AdjustPixelBuffer(pixels.data(), count, 1, count * 3, 100, 200, 100, 100, 100);
    for (int i = 0; i < count; ++i)
        for (int ch = 0; ch < 3; ++ch) {
            const int expected = before[3 * i + ch] == 255 ? 255 : 0;
            ASSERT_EQ(pixels[3 * i + ch], expected) << "pixel " << i << " channel " << ch;
        }
}

// Brightness 150 turns 100 into 150 and, applied twice, into 225: a pixel visited twice or
// skipped shows up, as does any write into a row's filler bytes.
TEST(AdjustRulesTest, RowFillerIsUntouchedAndEachPixelAdjustedOnce)
{
    const uint8_t filler = 0xA5;
    for (int width = 1; width <= 9; ++width) {
        const int height = 3;
        const int stride = Dib24Stride(width);
        ASSERT_EQ(stride % 4, 0);
        ASSERT_GE(stride, 3 * width);
        std::vector<uint8_t> rows(static_cast<size_t>(stride) * height, filler);
        for (int y = 0; y < height; ++y)
            for (int i = 0; i < 3 * width; ++i)
                rows[y * stride + i] = 100;

        AdjustPixelBuffer(rows.data(), width, height, stride, 150, 100, 100, 100, 100);

        for (int y = 0; y < height; ++y) {
            for (int i = 0; i < 3 * width; ++i)
                ASSERT_EQ(rows[y * stride + i], 150) << "width " << width << " row " << y;
            for (int i = 3 * width; i < stride; ++i)
                ASSERT_EQ(rows[y * stride + i], filler) << "width " << width << " row " << y;
        }
    }
}

TEST(AdjustRulesTest, EmptyOrNegativeSizesAdjustNothing)
{
    uint8_t pixels[12] = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
    AdjustPixelBuffer(pixels, 0, 1, 12, 150, 150, 150, 150, 150);
    AdjustPixelBuffer(pixels, 4, 0, 12, 150, 150, 150, 150, 150);
    AdjustPixelBuffer(pixels, 4, -1, 12, 150, 150, 150, 150, 150);
    AdjustPixelBuffer(pixels, -4, 1, 12, 150, 150, 150, 150, 150);
    for (uint8_t byte : pixels)
        EXPECT_EQ(byte, 100);
}

}  // namespace
