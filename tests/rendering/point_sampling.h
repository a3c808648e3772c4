// Direct3D 9's point sampling of a texture's top level, on the CPU: the texel a coordinate falls in, and
// whether the coordinate lies clear of texel and face borders, where a device's rounding may pick the
// neighbour instead.
#pragma once

#include <array>

#include "argb_image.h"
#include "vector_types.h"

struct PointSample {
  Float4 texel;  // red, green, blue, alpha in 0 to 1
  bool clear;
};

// A 2D texture with wrap addressing.
PointSample SampleWrapped(const ArgbImage& image, float u, float v);

// A cube map, faces in Direct3D's order (+X, -X, +Y, -Y, +Z, -Z); the direction need not be unit length.
PointSample SampleCube(const std::array<ArgbImage, 6>& faces, const Float3& direction);
