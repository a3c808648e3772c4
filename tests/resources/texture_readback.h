// Texels of a loaded texture's mip level, copied out of Direct3D in A8R8G8B8 for checks on the CPU.
#pragma once

#include <d3d9.h>

#include "argb_image.h"

ArgbImage ReadTextureLevel(IDirect3DTexture9* texture, UINT level);
ArgbImage ReadCubeFace(IDirect3DCubeTexture9* texture, D3DCUBEMAP_FACES face, UINT level);
