// The surface plug-in's vertex and pixel shader as Direct3D 9 bytecode, each with its constant table,
// ready for the game's shader creation functions. Defined in the generated surface_shader_code.cpp.
#pragma once

#include <windows.h>

extern const DWORD SurfaceVertexShaderCode[];
extern const unsigned int SurfaceVertexShaderCodeSize;  // in bytes

extern const DWORD SurfacePixelShaderCode[];
extern const unsigned int SurfacePixelShaderCodeSize;  // in bytes
