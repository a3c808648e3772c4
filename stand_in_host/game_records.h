// Records of the game's own layouts as the stand-in builds them for a test: the fields the plug-ins read
// lie at the game's offsets, the rest is the stand-in's.
#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host_game.h"
#include "host_records.h"

// A frame: the game answers hostFrameGetWorldMatrix with a pointer to its world matrix.
struct StandInFrame {
  D3DMATRIX world;
};

struct StandInObject {
  std::uint32_t gameField;
  StandInFrame* frame;
};
static_assert(offsetof(StandInObject, frame) == HostObjectFrameOffset);

struct StandInCamera {
  std::uint32_t gameField;
  StandInFrame* frame;
};
static_assert(offsetof(StandInCamera, frame) == HostCameraFrameOffset);

// A material: the texture and colour at the game's offsets, then what the game's material functions
// answer for it.
struct StandInMaterial {
  HostTexture* texture;
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  std::uint8_t alpha;
  int effectType;
  HostTexture* effectTexture;
  float effectCoefficient;
};
static_assert(offsetof(StandInMaterial, texture) == HostMaterialTextureOffset);
static_assert(offsetof(StandInMaterial, red) == HostMaterialRedOffset);
static_assert(offsetof(StandInMaterial, green) == HostMaterialGreenOffset);
static_assert(offsetof(StandInMaterial, blue) == HostMaterialBlueOffset);

struct StandInMesh {
  StandInMaterial* material;
  int baseVertex;
  int vertexCount;
  int startIndex;
  int primitiveCount;
};

struct StandInGeometry {
  HostHandle indexBuffer;  // null: not indexed
  int primitiveType;
  std::uint32_t useOffsets;
  std::vector<StandInMesh> meshes;
};

// A resource entry in the game's layout: the geometry's fields, then one 36-byte record per mesh.
std::vector<std::uint8_t> BuildResourceEntry(const StandInGeometry& geometry);

// The game's lighting globals and its active camera, as the renderer would leave them.
void SetGameLighting(const float ambient[3], const float directional[3], const float lightVector[3]);
void SetActiveCamera(StandInCamera* camera);
