// The preview objects' geometry, built as the game's models are: 60-byte vertices with a tangent frame
// that follows the texture coordinates (tangent along increasing u, binormal along increasing v).
#pragma once

#include <cstdint>
#include <vector>

struct SurfaceVertex {
  float position[3];
  float normal[3];
  float texcoord[3];  // u, v and a third component the game's models carry
  float tangent[3];
  float binormal[3];
};
static_assert(sizeof(SurfaceVertex) == 60);

// An indexed triangle list.
struct MeshData {
  std::vector<SurfaceVertex> vertices;
  std::vector<std::uint16_t> indices;
};

MeshData Sphere(float radius);
MeshData Torus(float ringRadius, float tubeRadius);
// A cube of half-size `halfSize` whose edges and corners are rounded with radius `roundness`.
MeshData RoundedBox(float halfSize, float roundness);
