// The host calls the surface render callback makes for lit, textured meshes whose material brings its
// own normal map and an environment coefficient, drawn indexed, made directly and nothing else: timed
// against no-op game functions, they give what meshes cost in host calls alone.
#pragma once

#include "host_game.h"

// How many host calls one mesh takes.
constexpr int HostCallsPerMesh = 14;

void MakeMeshHostCalls(HostMaterial* material, int meshCount);
