#include "sweep_pixels.h"

std::vector<uint8_t> SweepPixels()
{
    std::vector<uint8_t> bgr;
    for (int i = 0; i < 256; ++i) {
        const uint8_t v = static_cast<uint8_t>(i);
        const uint8_t rotated[3] = {v, static_cast<uint8_t>(i + 85), static_cast<uint8_t>(i + 170)};
        const uint8_t grey[3] = {v, v, v};
        uint8_t besideWhite[3] = {255, 255, 255};
        besideWhite[i % 3] = v;
        bgr.insert(bgr.end(), rotated, rotated + 3);
        bgr.insert(bgr.end(), grey, grey + 3);
        bgr.insert(bgr.end(), besideWhite, besideWhite + 3);
    }
    return bgr;
}

std::vector<uint8_t> WhiteBoundaryPixels()
{
    std::vector<uint8_t> bgr;
    for (int i = 0; i < 256; ++i) {
        const uint8_t v = static_cast<uint8_t>(i);
        const uint8_t grey[3] = {v, v, v};
        const uint8_t besideWhite[3] = {v, 255, 255};
        bgr.insert(bgr.end(), grey, grey + 3);
        bgr.insert(bgr.end(), besideWhite, besideWhite + 3);
    }
    return bgr;
}
