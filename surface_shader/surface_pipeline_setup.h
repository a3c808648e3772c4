#pragma once

#include <cstdint>

// Replaces the game's set-up of one object render pipeline: loads the cube map and the normal map,
// creates the surface shaders and vertex declaration, then installs SurfaceRenderCallback on the
// pipeline and returns the game's result for that.
std::uint32_t __cdecl SetupSurfacePipeline(void* pipelineArgument);
