// The default normal map: a fine, tileable relief like the slight orange peel of sprayed car paint. The
// surface pixel shader bends the normal along the tangent by red - 0.5 and along the binormal by
// green - 0.5, undoubled; blue and alpha are not read.
#pragma once

#include "argb_image.h"

constexpr int NormalMapSize = 256;

// The top mip level.
ArgbImage NormalMapImage();
