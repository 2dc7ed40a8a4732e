// The table-driven adjustment against the straight formulas.
//
// Every table entry is a function of one channel value and one level, so the tables are
// covered completely when every level of every slider meets every channel value in every
// channel position: the single-slider sweep. What the tables cannot show is how the steps
// interact. The only coupling is the white test after the contrast step, which decides
// whether brightness applies; it matters wherever contrast can turn a pixel white (contrast
// below 100) and brightness would then change a 255 (brightness below 100). So every contrast
// meets a spread of brightness values on both sides of 100 and the reverse. Random five-level
// samples over random pixels then check the wiring of all five at once, with the three channel
// levels different so that a table used for the wrong channel cannot hide.
#include "imaging/pixel_adjust.h"
#include "imaging/pixel_adjust_reference.h"

#include "sweep_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

struct Levels {
    int brightness, contrast, red, green, blue;
};

::testing::AssertionResult FastMatchesReference(const std::vector<uint8_t>& source, const Levels& l)
{
    const int count = static_cast<int>(source.size() / 3);
    std::vector<uint8_t> fast = source;
    std::vector<uint8_t> reference = source;
    AdjustPixelBuffer(fast.data(), count, 1, count * 3, l.brightness, l.contrast, l.red, l.green, l.blue);
    AdjustPixelBufferReference(reference.data(), count, 1, count * 3, l.brightness, l.contrast, l.red,
                               l.green, l.blue);
    if (fast == reference)
        return ::testing::AssertionSuccess();
    for (int i = 0; i < count * 3; ++i) {
        if (fast[i] != reference[i]) {
            const uint8_t* in = &source[3 * (i / 3)];
            return ::testing::AssertionFailure()
                   << "levels b" << l.brightness << " c" << l.contrast << " r" << l.red << " g" << l.green
                   << " b" << l.blue << ", pixel bgr " << int(in[0]) << "," << int(in[1]) << "," << int(in[2])
                   << ", byte " << i % 3 << ": fast " << int(fast[i]) << " reference " << int(reference[i]);
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PixelAdjustExhaustiveTest, EveryLevelOfEachSliderAloneOverEveryChannelValue)
{
    const std::vector<uint8_t> pixels = SweepPixels();
    for (int level = 0; level <= 200; ++level) {
        const Levels single[] = {{level, 100, 100, 100, 100},
                                 {100, level, 100, 100, 100},
                                 {100, 100, level, 100, 100},
                                 {100, 100, 100, level, 100},
                                 {100, 100, 100, 100, level}};
        for (const Levels& l : single)
            ASSERT_TRUE(FastMatchesReference(pixels, l));
    }
}

TEST(PixelAdjustExhaustiveTest, EveryContrastWithBrightnessSpreadAndTheReverse)
{
    const std::vector<uint8_t> pixels = WhiteBoundaryPixels();
    const int spread[] = {0, 1, 2, 50, 98, 99, 101, 102, 150, 199, 200};
    for (int every = 0; every <= 200; ++every)
        for (int other : spread) {
            ASSERT_TRUE(FastMatchesReference(pixels, {other, every, 100, 100, 100}));
            ASSERT_TRUE(FastMatchesReference(pixels, {every, other, 100, 100, 100}));
        }
}

TEST(PixelAdjustExhaustiveTest, RandomFiveLevelSamplesOverRandomAndSweepPixels)
{
    std::mt19937 random(7300);
    std::uniform_int_distribution<int> levelOf(0, 200);
    std::uniform_int_distribution<int> byteOf(0, 255);
    const std::vector<uint8_t> sweep = SweepPixels();
    for (int sample = 0; sample < 1000; ++sample) {
        const Levels l = {levelOf(random), levelOf(random), levelOf(random), levelOf(random),
                          levelOf(random)};
        std::vector<uint8_t> pixels(3 * 256);
        for (uint8_t& byte : pixels)
            byte = static_cast<uint8_t>(byteOf(random));
        if (sample % 20 == 0)
            pixels.insert(pixels.end(), sweep.begin(), sweep.end());
        ASSERT_TRUE(FastMatchesReference(pixels, l));
    }
}

}  // namespace
