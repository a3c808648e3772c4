// The default cube map: the sky environment on the six faces of a cube, one mip level (the environment
// is soft, so the faces need no smaller copies).
#pragma once

#include <array>

#include "argb_image.h"

constexpr int CubeMapFaceSize = 128;

// In Direct3D's face order: +X, -X, +Y, -Y, +Z, -Z.
std::array<ArgbImage, 6> CubeMapFaces();
