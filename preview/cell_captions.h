// A caption in the corner of each preview cell: the material's effect type, the lighting render state and
// the light, so the picture reads without a legend.
#pragma once

#include <windows.h>
// d3d9.h needs the Windows types declared first.
#include <d3d9.h>

#include "preview_scene.h"

// Draws over the finished frame. Without a usable font the picture simply has no captions.
void DrawCellCaptions(IDirect3DDevice9* device, const PreviewScene& scene, UINT pictureCellSize);
