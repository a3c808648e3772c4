// The game's rendering state in the stand-in, chosen by a test: what the game's get functions answer,
// the shaders and declarations it creates, and the render callback a pipeline set-up installs.
#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

#include <cstdint>
#include <vector>

#include "host_game.h"

struct GameDeviceState {
  D3DMATRIX worldViewProj;  // hostGetWorldViewProj
  D3DMATRIX worldIT;        // hostGetWorldIT
  D3DMATRIX view;           // hostGetTransform(D3DTS_VIEW)
  D3DLIGHT9 light0;         // hostGetLight(0)
  std::uint32_t lighting;   // hostGetRenderState(D3DRS_LIGHTING)
};

// Starts all zero; a test fills it before the plug-in asks.
GameDeviceState& GameDevice();

// What hostInstallRenderCallback returns to the game's set-up code.
constexpr std::uint32_t GameRenderCallbackInstalled = 0x1CA11BAC;

struct InstalledRenderCallback {
  void* pipeline;
  HostRenderCallback callback;
};
// The last callback installed; null before any.
InstalledRenderCallback GameRenderCallback();

// Every shader and declaration handle created, in order.
std::vector<HostHandle> GameCreatedObjects();

// The bytes a shader or declaration handle was created from.
const std::vector<std::uint8_t>& GameObjectBytes(HostHandle handle);

// The get functions, object creation, callback installation and the material functions.
void InstallGameDeviceBehaviours();
