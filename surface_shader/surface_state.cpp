#include "surface_state.h"

HostTexture* gCubeMapTexture;
HostTexture* gNormalMapTexture;
HostHandle gSurfaceVertexShader;
HostHandle gSurfacePixelShader;
HostHandle gSurfaceVertexDecl;

D3DLIGHT9 gSceneLight;
D3DMATERIAL9 gSurfaceMaterial;
