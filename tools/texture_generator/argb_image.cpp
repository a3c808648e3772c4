#include "argb_image.h"

#include <algorithm>

std::uint8_t ChannelLevel(double value) {
  return static_cast<std::uint8_t>(std::clamp(value * 255.0 + 0.5, 0.0, 255.0));
}

std::uint32_t PackTexel(std::uint8_t alpha, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint32_t>(alpha) << 24 | static_cast<std::uint32_t>(red) << 16 |
         static_cast<std::uint32_t>(green) << 8 | blue;
}
