#include "imaging/pixel_adjust_reference.h"

#include <cstddef>

namespace {

// Written out again rather than shared with the fast path, so that a slip in one shows up
// as a difference between the two.
int Adj(int c, int p)
{
    return (c * (p - 100) + 50) / 100;
}

int Clamp(int x)
{
    return x < 0 ? 0 : (x > 255 ? 255 : x);
}

bool White(int r, int g, int b)
{
    return r == 255 && g == 255 && b == 255;
}

int ContrastChannel(int c, int contrast)
{
    return c == 255 ? Clamp(c + Adj(c, contrast)) : Clamp(c - Adj(c, contrast));
}

int LevelChannel(int c, int level)
{
    return c == 255 ? c : Clamp(c + Adj(c, level));
}

void AdjustPixelReference(uint8_t* pixel, int brightness, int contrast, int red, int green, int blue)
{
    int b = pixel[0], g = pixel[1], r = pixel[2];
    if (contrast != 100 && !White(r, g, b)) {
        r = ContrastChannel(r, contrast);
        g = ContrastChannel(g, contrast);
        b = ContrastChannel(b, contrast);
    }
    if (brightness != 100 && !White(r, g, b)) {
        r = Clamp(r + Adj(r, brightness));
        g = Clamp(g + Adj(g, brightness));
        b = Clamp(b + Adj(b, brightness));
    }
    if (red != 100 || green != 100 || blue != 100) {
        r = LevelChannel(r, red);
        g = LevelChannel(g, green);
        b = LevelChannel(b, blue);
    }
    pixel[0] = static_cast<uint8_t>(b);
    pixel[1] = static_cast<uint8_t>(g);
    pixel[2] = static_cast<uint8_t>(r);
}

}  // namespace

void AdjustPixelBufferReference(uint8_t* rows, int width, int height, int stride, int brightness,
                                int contrast, int red, int green, int blue)
{
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x)
            AdjustPixelReference(row + 3 * x, brightness, contrast, red, green, blue);
    }
}
