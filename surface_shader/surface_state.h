// Everything the surface plug-in keeps: handles the set-up hook receives from the game, and the light and
// material records the render callback fills. All start zero and live until the process ends; the game
// owns what the handles refer to, and nothing is released.
#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

#include "host_game.h"

extern HostTexture* gCubeMapTexture;    // stage 2, the environment map
extern HostTexture* gNormalMapTexture;  // stage 1, the normal map
extern HostHandle gSurfaceVertexShader;
extern HostHandle gSurfacePixelShader;
extern HostHandle gSurfaceVertexDecl;

// Light 0 as last refreshed by the render callback; its direction and range are the next object's
// light direction constant.
extern D3DLIGHT9 gSceneLight;

// The material of the last lit mesh; only its diffuse colour and power are ever written.
extern D3DMATERIAL9 gSurfaceMaterial;
