// The surface shaders' math on the CPU, written plainly from the description of the shading, as the
// expected values for the device tests.
#pragma once

#include <array>
#include <functional>

#include "vector_types.h"

struct VertexInput {
  Float4 position;  // w as the stream delivers it; the shader replaces it with 1
  Float3 texcoord;
  Float3 normal;
  Float3 tangent;
  Float3 binormal;
};

// c0-c13: WorldViewProj columns, WorldIT columns 0-2, World columns 0-2, ViewInv columns 0-2, LightDir.
using VertexConstants = std::array<Float4, 14>;

struct VertexOutputs {
  Float4 position;
  std::array<Float4, 7> texcoords;
};

VertexOutputs ReferenceSurfaceVertex(const VertexConstants& constants, const VertexInput& input);

// c0-c5: LightColor1, AmbiColor, SurfColor, surfemissive, SpecExpon in x, refmul in x.
using PixelConstants = std::array<Float4, 6>;

struct PixelInput {
  std::array<Float4, 7> texcoords;
  Float4 baseTexel;    // what colorSampler returns at t0
  Float4 normalTexel;  // what normalSampler returns at t0
};

// The environment map's texel in a direction.
using EnvironmentLookup = std::function<Float4(const Float3& direction)>;

Float4 ReferenceSurfacePixel(const PixelConstants& constants, const PixelInput& input,
                             const EnvironmentLookup& environment);
