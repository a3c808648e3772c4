#include "point_sampling.h"

#include <cmath>

namespace {

// How close to a texel border, in texels, a coordinate may come and still count as clear.
constexpr float BorderMargin = 0.05f;
// How close to a cube face's edge, as a fraction of the face's half-width, a direction may point.
constexpr float FaceEdgeMargin = 0.02f;

Float4 TexelColour(std::uint32_t texel) {
  constexpr int Red = 2, Green = 1, Blue = 0, Alpha = 3;
  auto channel = [texel](int index) { return TexelChannel(texel, index) / 255.0f; };
  return {channel(Red), channel(Green), channel(Blue), channel(Alpha)};
}

// Texel index of a coordinate already inside 0 to 1, and whether it lies clear of the texel's borders.
int TexelIndex(float coordinate, int size, bool& clear) {
  const float position = coordinate * static_cast<float>(size);
  const float fraction = position - std::floor(position);
  if (fraction < BorderMargin || fraction > 1.0f - BorderMargin) clear = false;
  const int index = static_cast<int>(std::floor(position));
  return index < 0 ? 0 : (index >= size ? size - 1 : index);
}

float Wrap(float coordinate) {
  return coordinate - std::floor(coordinate);
}

}  // namespace

PointSample SampleWrapped(const ArgbImage& image, float u, float v) {
  bool clear = true;
  const int x = TexelIndex(Wrap(u), image.size, clear);
  const int y = TexelIndex(Wrap(v), image.size, clear);
  return {TexelColour(image.At(x, y)), clear};
}

PointSample SampleCube(const std::array<ArgbImage, 6>& faces, const Float3& direction) {
  const float x = direction[0], y = direction[1], z = direction[2];
  const float ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  // Direct3D's face selection: the largest component picks the face; sc and tc run across it.
  int face;
  float sc, tc, major;
  if (ax >= ay && ax >= az) {
    face = x >= 0 ? 0 : 1;
    sc = x >= 0 ? -z : z;
    tc = -y;
    major = ax;
  } else if (ay >= az) {
    face = y >= 0 ? 2 : 3;
    sc = x;
    tc = y >= 0 ? z : -z;
    major = ay;
  } else {
    face = z >= 0 ? 4 : 5;
    sc = z >= 0 ? x : -x;
    tc = -y;
    major = az;
  }
  const float s = sc / major, t = tc / major;
  bool clear = std::fabs(s) < 1.0f - FaceEdgeMargin && std::fabs(t) < 1.0f - FaceEdgeMargin;
  const ArgbImage& image = faces[static_cast<std::size_t>(face)];
  const int column = TexelIndex((s + 1.0f) / 2.0f, image.size, clear);
  const int row = TexelIndex((t + 1.0f) / 2.0f, image.size, clear);
  return {TexelColour(image.At(column, row)), clear};
}
