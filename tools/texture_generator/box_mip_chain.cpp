#include "box_mip_chain.h"

namespace {

ArgbImage HalfSize(const ArgbImage& image) {
  ArgbImage half;
  half.size = image.size / 2;
  half.texels.reserve(static_cast<std::size_t>(half.size * half.size));
  for (int y = 0; y < half.size; ++y) {
    for (int x = 0; x < half.size; ++x) {
      const std::uint32_t quad[] = {image.At(2 * x, 2 * y), image.At(2 * x + 1, 2 * y),
                                    image.At(2 * x, 2 * y + 1), image.At(2 * x + 1, 2 * y + 1)};
      std::uint8_t mean[4];
      for (int channel = 0; channel < 4; ++channel) {
        int sum = 2;  // rounds the mean to nearest
        for (std::uint32_t texel : quad) {
          sum += TexelChannel(texel, channel);
        }
        mean[channel] = static_cast<std::uint8_t>(sum / 4);
      }
      half.texels.push_back(PackTexel(mean[3], mean[2], mean[1], mean[0]));
    }
  }
  return half;
}

}  // namespace

std::vector<ArgbImage> BoxMipChain(const ArgbImage& top) {
  std::vector<ArgbImage> levels{top};
  while (levels.back().size > 1) {
    levels.push_back(HalfSize(levels.back()));
  }
  return levels;
}
