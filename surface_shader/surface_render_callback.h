#pragma once

#include <cstdint>

#include "host_game.h"

// The pipeline's render callback: the game calls it for every object it renders through the pipeline,
// and it draws each mesh of the object with the surface shaders, then resets the texture stage states
// it disturbed.
void __cdecl SurfaceRenderCallback(HostResourceEntry* resourceEntry, HostObject* object, std::uint32_t type,
                                   std::uint32_t flags);
