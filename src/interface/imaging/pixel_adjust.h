// Colour adjustment of 24-bit preview pixels (blue, green, red byte order).
#pragma once

#include <cstdint>

// Levels are percentages 0..200; 100 leaves a channel as it is.
constexpr int NeutralLevel = 100;

// The signed change a level makes to a channel value: (c * (level - 100) + 50) / 100,
// truncated toward zero, so a negative product rounds toward zero (AdjustTerm(100, 0) is -99).
int AdjustTerm(int channel, int level);

// Bytes in one 24-bit row, padded to a multiple of four.
int Dib24Stride(int width);

// Recolours width x height pixels in place with contrast, brightness and the three channel
// levels. Bytes between the last pixel of a row and the next row are never touched.
// A width or height of 0 or less adjusts nothing.
void AdjustPixelBuffer(uint8_t* rows, int width, int height, int stride, int brightness, int contrast,
                       int red, int green, int blue);
