// The colour adjustment computed pixel by pixel straight from its formulas. Slow; kept as the
// yardstick that the table-driven AdjustPixelBuffer is tested and measured against.
#pragma once

#include <cstdint>

void AdjustPixelBufferReference(uint8_t* rows, int width, int height, int stride, int brightness,
                                int contrast, int red, int green, int blue);
