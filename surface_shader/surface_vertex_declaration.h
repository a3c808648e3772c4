#pragma once

#include <windows.h>
// d3d9types.h needs the Windows types declared first.
#include <d3d9types.h>

// Stream 0 of the surface geometry: 60-byte vertices of position, normal, a three-float texture
// coordinate, tangent and binormal, each three floats, closed by D3DDECL_END.
extern const D3DVERTEXELEMENT9 SurfaceVertexDeclaration[6];
