// Source pictures for the preview tests and a way to read any bitmap back as 24-bit rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The sixteen colours of the 4-bit test pictures, as RGBQUAD (blue, green, red, 0).
extern const RGBQUAD TestPalette[16];

// Palette index of pixel (x, y), y counted from the bottom row.
int TestPaletteIndexAt(int x, int y);

// A 4-bit DIB section with TestPalette, like the Color page's preview source.
HBITMAP CreateFourBitSection(int width, int height);

// A 4-bit device-dependent bitmap (no palette of its own).
HBITMAP CreateFourBitDdb(int width, int height);

// A 24-bit DIB section whose channels run through every value 0..255 across the picture.
HBITMAP CreateGradientSection(int width, int height);

// The bitmap's pixels as bottom-up 24-bit rows padded to four bytes; empty on failure.
std::vector<uint8_t> ReadRows24(HBITMAP bitmap, int width, int height);
