// The game's texture loading in the stand-in: a stream opens a file relative to the working directory,
// a raster holds a DDS file's bytes once d3dx9 has recognised them, and a texture record is created from
// a raster. The raster keeps the whole file so that a real Direct3D texture can be made from it.
#pragma once

#include <windows.h>
// d3dx9tex.h needs the Windows types declared first.
#include <d3dx9tex.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host_records.h"

struct StandInRaster {
  std::vector<std::uint8_t> file;
  D3DXIMAGE_INFO info;  // what d3dx9 reads from the file's header: cube or 2D, size, format
};

// The stand-in's texture record: the game's setting word at the game's offset, then its raster.
struct StandInTexture {
  std::uint8_t gameFields[HostTextureSettingOffset];
  std::uint32_t setting;
  const StandInRaster* raster;
};
static_assert(offsetof(StandInTexture, setting) == HostTextureSettingOffset);

// Streams, rasters and textures as the game's functions hand them out.
void InstallGameTextureBehaviours();

// Streams opened and not yet closed.
int OpenGameStreamCount();
