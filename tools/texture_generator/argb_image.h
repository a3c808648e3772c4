// A square image of 32-bit texels in Direct3D's A8R8G8B8 layout (0xAARRGGBB), the format every Direct3D 9
// card samples.
#pragma once

#include <cstdint>
#include <vector>

struct ArgbImage {
  int size = 0;
  std::vector<std::uint32_t> texels;  // row by row, top row first

  std::uint32_t At(int x, int y) const { return texels[static_cast<std::size_t>(y * size + x)]; }
};

// One channel of a texel: 0 blue, 1 green, 2 red, 3 alpha, as the bytes lie in memory.
inline std::uint8_t TexelChannel(std::uint32_t texel, int channel) {
  return static_cast<std::uint8_t>(texel >> (8 * channel));
}

// Quantises a 0-to-1 value to the nearest 8-bit level.
std::uint8_t ChannelLevel(double value);

std::uint32_t PackTexel(std::uint8_t alpha, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
