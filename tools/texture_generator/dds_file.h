// Whole DDS files of A8R8G8B8 texels, written by hand: Wine's d3dx9 saves neither mip-mapped nor cube
// textures as DDS.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "argb_image.h"

// A 2D texture from its mip levels, largest first.
std::vector<std::uint8_t> TextureDdsFile(const std::vector<ArgbImage>& levels);

// A cube map of one level from its faces in Direct3D's order: +X, -X, +Y, -Y, +Z, -Z.
std::vector<std::uint8_t> CubeMapDdsFile(const std::array<ArgbImage, 6>& faces);
