#include "imaging/pixel_adjust.h"

#include <cstddef>

namespace {

// The preview is recomputed at every paint while a slider is dragged. Each step's result
// depends only on the channel value (the white tests aside), so one 256-entry table per step
// and channel replaces the per-pixel arithmetic.
using ChannelTable = uint8_t[256];

struct AdjustTables {
    ChannelTable contrast;  // step 1, shared by the three channels
    ChannelTable blue;      // step 2 then step 3, per channel
    ChannelTable green;
    ChannelTable red;
};

uint8_t ClampChannel(int value)
{
    if (value < 0)
        return 0;
    if (value > 255)
        return 255;
    return static_cast<uint8_t>(value);
}

bool IsWhite(uint8_t blue, uint8_t green, uint8_t red)
{
    return (blue & green & red) == 255;
}

// Contrast pushes a full channel one way and every other value the other way.
void FillContrastTable(ChannelTable table, int contrast)
{
    for (int c = 0; c < 256; ++c) {
        const int term = AdjustTerm(c, contrast);
        table[c] = ClampChannel(c == 255 ? c + term : c - term);
    }
}

// Brightness is skipped for a pixel that is white after the contrast step; the caller keeps
// that test, so this table only serves pixels that are not white.
void FillBrightnessChannelTable(ChannelTable table, int brightness, int level)
{
    for (int c = 0; c < 256; ++c) {
        const int bright = ClampChannel(c + AdjustTerm(c, brightness));
        table[c] = bright == 255 ? 255 : ClampChannel(bright + AdjustTerm(bright, level));
    }
}

void FillAdjustTables(AdjustTables& tables, int brightness, int contrast, int red, int green, int blue)
{
    FillContrastTable(tables.contrast, contrast);
    FillBrightnessChannelTable(tables.blue, brightness, blue);
    FillBrightnessChannelTable(tables.green, brightness, green);
    FillBrightnessChannelTable(tables.red, brightness, red);
}

// A level of 100 makes each table the identity, so the disabled steps need no tests of their
// own: a white pixel stays white through every table, and a pixel that turns white under
// contrast passes the channel step unchanged as well.
void AdjustRow(uint8_t* pixel, int width, const AdjustTables& tables)
{
    for (int x = 0; x < width; ++x, pixel += 3) {
        if (IsWhite(pixel[0], pixel[1], pixel[2]))
            continue;
        const uint8_t b = tables.contrast[pixel[0]];
        const uint8_t g = tables.contrast[pixel[1]];
        const uint8_t r = tables.contrast[pixel[2]];
        if (IsWhite(b, g, r)) {
            pixel[0] = pixel[1] = pixel[2] = 255;
            continue;
        }
        pixel[0] = tables.blue[b];
        pixel[1] = tables.green[g];
        pixel[2] = tables.red[r];
    }
}

bool AllLevelsNeutral(int brightness, int contrast, int red, int green, int blue)
{
    return brightness == NeutralLevel && contrast == NeutralLevel && red == NeutralLevel &&
           green == NeutralLevel && blue == NeutralLevel;
}

}  // namespace

int AdjustTerm(int channel, int level)
{
    // C++ integer division already truncates toward zero.
    return (channel * (level - NeutralLevel) + 50) / 100;
}

int Dib24Stride(int width)
{
    return ((width * 24 + 31) / 32) * 4;
}

void AdjustPixelBuffer(uint8_t* rows, int width, int height, int stride, int brightness, int contrast,
                       int red, int green, int blue)
{
    if (rows == nullptr || width <= 0 || height <= 0)
        return;
    if (AllLevelsNeutral(brightness, contrast, red, green, blue))
        return;

    AdjustTables tables;
    FillAdjustTables(tables, brightness, contrast, red, green, blue);
    for (int y = 0; y < height; ++y)
        AdjustRow(rows + static_cast<std::ptrdiff_t>(y) * stride, width, tables);
}
