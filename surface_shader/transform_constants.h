#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

// Fills vertex shader constants c0 to c13 for one object: the game's world-view-projection and WorldIT
// matrices, the object's world matrix, the inverse view matrix and the light direction stored by the
// previous render callback.
void UploadTransformConstants(const D3DMATRIX* world);
