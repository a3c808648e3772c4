// Mip levels of a square power-of-two image, each texel the rounded mean of the four below it. Averaging
// the normal map's red and green averages the normal offsets, so distant surfaces flatten as they should.
#pragma once

#include <vector>

#include "argb_image.h"

// The image itself first, then each half-size level down to 1x1.
std::vector<ArgbImage> BoxMipChain(const ArgbImage& top);
