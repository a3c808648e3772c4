// The game's functions in the stand-in: at each fixed address a jump to a recorder with the game's
// signature, which records the call and runs the function's behaviour.
#pragma once

#include <cstdint>

// Writes the jumps into the game's code area; the area must still be writable.
void InstallHostFunctions();

// The game's own pipeline set-up, the original target of the call at the set-up site.
std::uint32_t __cdecl GamePipelineSetup(void* pipeline);
