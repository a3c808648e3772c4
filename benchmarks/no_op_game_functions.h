// The game's render-time functions reduced to the least code that keeps the surface plug-in's render
// callback on the game's usual path, so that timing the callback times the plug-in and not the game.
#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

// The effect type every material reports: the costliest, with its own normal map and a coefficient.
constexpr int NoOpMaterialEffectType = 3;

// Replaces the stand-in's recorders at the game's render-time function addresses: lighting reads as on,
// every frame's world matrix is `frameWorldMatrix`, every material has NoOpMaterialEffectType with
// coefficient 0, and everything else returns at once. Call after the render callback is installed.
void MakeGameRenderFunctionsNoOps(const D3DMATRIX* frameWorldMatrix);
