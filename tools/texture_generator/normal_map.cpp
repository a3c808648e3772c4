#include "normal_map.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "gradient_noise.h"

namespace {

constexpr std::uint32_t ReliefSeed = 0x5EED0001;

// Bumps a tenth to a thirtieth of the texture across: fine enough to read as paint texture, not dents.
struct ReliefOctave {
  int cellsAcross;
  double amplitude;
};
constexpr ReliefOctave ReliefOctaves[] = {{12, 1.0}, {24, 0.55}, {48, 0.25}};

// Root-mean-square length of the (tangent, binormal) offset, about 2.3 degrees of tilt: enough to make
// reflections ripple, little enough that the paint still looks smooth.
constexpr double RmsOffset = 0.04;

constexpr double MidLevel = 127.5 / 255.0;  // an 8-bit channel's value nearest to an offset of 0

double Height(int x, int y) {
  double height = 0.0;
  for (const ReliefOctave& octave : ReliefOctaves) {
    const double scale = static_cast<double>(octave.cellsAcross) / NormalMapSize;
    height += octave.amplitude * TileableGradientNoise(x * scale, y * scale, octave.cellsAcross, ReliefSeed);
  }
  return height;
}

}  // namespace

ArgbImage NormalMapImage() {
  const auto index = [](int x, int y) {
    const auto wrap = [](int i) { return (i + NormalMapSize) % NormalMapSize; };
    return static_cast<std::size_t>(wrap(y) * NormalMapSize + wrap(x));
  };
  std::vector<double> heights(NormalMapSize * NormalMapSize);
  for (int y = 0; y < NormalMapSize; ++y) {
    for (int x = 0; x < NormalMapSize; ++x) {
      heights[index(x, y)] = Height(x, y);
    }
  }
  // The normal of a height field tilts against its slope; central differences wrap around the edges, so
  // the offsets tile as the heights do.
  std::vector<double> tangentOffsets(heights.size());
  std::vector<double> binormalOffsets(heights.size());
  double sumOfSquares = 0.0;
  for (int y = 0; y < NormalMapSize; ++y) {
    for (int x = 0; x < NormalMapSize; ++x) {
      const double tangent = -0.5 * (heights[index(x + 1, y)] - heights[index(x - 1, y)]);
      const double binormal = -0.5 * (heights[index(x, y + 1)] - heights[index(x, y - 1)]);
      tangentOffsets[index(x, y)] = tangent;
      binormalOffsets[index(x, y)] = binormal;
      sumOfSquares += tangent * tangent + binormal * binormal;
    }
  }
  const double scale = RmsOffset / std::sqrt(sumOfSquares / static_cast<double>(heights.size()));
  ArgbImage image;
  image.size = NormalMapSize;
  image.texels.reserve(heights.size());
  for (std::size_t i = 0; i < heights.size(); ++i) {
    const double tangent = scale * tangentOffsets[i];
    const double binormal = scale * binormalOffsets[i];
    // Blue holds the unit normal's z so that image tools show the map as the relief it is.
    const double up = 1.0 / std::sqrt(1.0 + tangent * tangent + binormal * binormal);
    image.texels.push_back(PackTexel(0xFF, ChannelLevel(MidLevel + tangent),
                                     ChannelLevel(MidLevel + binormal), ChannelLevel(up)));
  }
  return image;
}
