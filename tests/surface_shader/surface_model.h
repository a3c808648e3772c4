// What the surface plug-in should ask of the game for one object, worked out independently of the
// plug-in from the game's records and state.
#pragma once

#include <cstdint>
#include <vector>

#include "game_behaviours.h"
#include "host_call_trace.h"
#include "surface_plugin_fixture.h"

struct GameLighting {
  float ambient[3];
  float directional[3];
  float lightVector[3];
};

// What the plug-in carries from one object to the next: light 0 as last set, the last lit material.
struct SurfaceModel {
  D3DLIGHT9 light{};
  D3DMATERIAL9 material{};
};

struct RenderedObject {
  StandInObject* object;
  const StandInGeometry* geometry;
  const std::vector<std::uint8_t>* resourceEntry;  // the geometry in the game's layout
  std::uint32_t flags;
};

struct GameScene {
  SetupHandles handles;
  GameDeviceState device;
  GameLighting lighting;
  StandInCamera* camera;
};

// Row-major 4 x 4 matrices from 16 floats, and the inverse in double precision rounded to float.
D3DMATRIX MatrixOf(const float (&elements)[16]);
D3DMATRIX Inverse(const D3DMATRIX& matrix);

// The calls of one transform upload: the game's matrices, then c0 to c13. c13 is `lightDir`.
std::vector<HostCall> ExpectedTransformCalls(const D3DMATRIX* world, const GameScene& scene,
                                             const float lightDir[4]);

// All calls of one render callback; advances the model as the plug-in should.
std::vector<HostCall> ExpectedCallbackCalls(const GameScene& scene, const RenderedObject& object,
                                            SurfaceModel& model);
