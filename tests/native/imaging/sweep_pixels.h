// Pixel sets (blue, green, red bytes) that reach every table entry of the adjustment.
#pragma once

#include <cstdint>
#include <vector>

// Every channel value in every position (rotated triples, so each position also meets 255
// beside other values), every grey (a grey near 255 turns white under low contrast) and
// every value beside two 255s.
std::vector<uint8_t> SweepPixels();

// The pixels whose whiteness contrast can change: greys and values beside two 255s.
std::vector<uint8_t> WhiteBoundaryPixels();
