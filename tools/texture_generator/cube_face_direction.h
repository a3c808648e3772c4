// Direct3D's cube map addressing, inverted: the direction that a texel position on a face stands for.
#pragma once

#include <d3d9.h>

#include "vector3.h"

// `s` runs -1 to 1 left to right and `t` -1 to 1 top to bottom across the face's image.
Vector3 CubeFaceDirection(D3DCUBEMAP_FACES face, double s, double t);
