// The DirectDraw Surface file layout that d3dx9 and the game's texture reader load: a magic word, a
// 124-byte header, then the texels of every surface (for a cube map, face after face).
#pragma once

#include <cstdint>

constexpr std::uint32_t DdsMagic = 0x20534444;  // "DDS " read as a little-endian word

// DdsHeader::flags: which fields hold values.
constexpr std::uint32_t DdsdCaps = 0x1;
constexpr std::uint32_t DdsdHeight = 0x2;
constexpr std::uint32_t DdsdWidth = 0x4;
constexpr std::uint32_t DdsdPixelFormat = 0x1000;
constexpr std::uint32_t DdsdMipMapCount = 0x20000;

// DdsPixelFormat::flags.
constexpr std::uint32_t DdpfAlphaPixels = 0x1;
constexpr std::uint32_t DdpfRgb = 0x40;

// DdsHeader::caps.
constexpr std::uint32_t DdsCapsComplex = 0x8;
constexpr std::uint32_t DdsCapsTexture = 0x1000;
constexpr std::uint32_t DdsCapsMipMap = 0x400000;

// DdsHeader::caps2: a cube map and which of its faces the file holds.
constexpr std::uint32_t DdsCaps2CubeMap = 0x200;
constexpr std::uint32_t DdsCaps2CubeMapPositiveX = 0x400;
constexpr std::uint32_t DdsCaps2CubeMapNegativeX = 0x800;
constexpr std::uint32_t DdsCaps2CubeMapPositiveY = 0x1000;
constexpr std::uint32_t DdsCaps2CubeMapNegativeY = 0x2000;
constexpr std::uint32_t DdsCaps2CubeMapPositiveZ = 0x4000;
constexpr std::uint32_t DdsCaps2CubeMapNegativeZ = 0x8000;

// The channel masks of A8R8G8B8 in a 32-bit little-endian texel.
constexpr std::uint32_t ArgbRedMask = 0x00FF0000;
constexpr std::uint32_t ArgbGreenMask = 0x0000FF00;
constexpr std::uint32_t ArgbBlueMask = 0x000000FF;
constexpr std::uint32_t ArgbAlphaMask = 0xFF000000;
constexpr std::uint32_t ArgbBitCount = 32;

struct DdsPixelFormat {
  std::uint32_t size;
  std::uint32_t flags;
  std::uint32_t fourCC;
  std::uint32_t rgbBitCount;
  std::uint32_t redBitMask;
  std::uint32_t greenBitMask;
  std::uint32_t blueBitMask;
  std::uint32_t alphaBitMask;
};
static_assert(sizeof(DdsPixelFormat) == 32);

struct DdsHeader {
  std::uint32_t size;
  std::uint32_t flags;
  std::uint32_t height;
  std::uint32_t width;
  std::uint32_t pitchOrLinearSize;
  std::uint32_t depth;
  std::uint32_t mipMapCount;
  std::uint32_t reserved1[11];
  DdsPixelFormat pixelFormat;
  std::uint32_t caps;
  std::uint32_t caps2;
  std::uint32_t caps3;
  std::uint32_t caps4;
  std::uint32_t reserved2;
};
static_assert(sizeof(DdsHeader) == 124);
