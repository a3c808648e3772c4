// The shipped normal map's content, read back from the loaded texture. The surface pixel shader bends the
// normal by red - 0.5 along the tangent and green - 0.5 along the binormal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "shipped_texture_fixture.h"
#include "texture_readback.h"

namespace {

constexpr int RedChannel = 2;
constexpr int GreenChannel = 1;

struct OffsetChannel {
  const char* name;
  int channel;
};
constexpr OffsetChannel OffsetChannels[] = {{"red, along the tangent", RedChannel},
                                            {"green, along the binormal", GreenChannel}};

double Offset(std::uint32_t texel, int channel) {
  return TexelChannel(texel, channel) / 255.0 - 0.5;
}

double MeanOffset(const ArgbImage& image, int channel) {
  double sum = 0.0;
  for (std::uint32_t texel : image.texels) {
    sum += Offset(texel, channel);
  }
  return sum / static_cast<double>(image.texels.size());
}

// Mean absolute step in the channel from each texel to the next along x (or y), and the same step taken
// from the last column (row) round to the first, where a tiling texture continues.
struct Steps {
  double inside;
  double acrossTheEdge;
};

Steps ChannelSteps(const ArgbImage& image, int channel, bool alongX) {
  const auto texel = [&](int along, int across) {
    return alongX ? image.At(along, across) : image.At(across, along);
  };
  const auto step = [&](int from, int to, int across) {
    return std::abs(int{TexelChannel(texel(to, across), channel)} -
                    int{TexelChannel(texel(from, across), channel)});
  };
  double inside = 0.0;
  double acrossTheEdge = 0.0;
  const int last = image.size - 1;
  for (int across = 0; across < image.size; ++across) {
    for (int along = 0; along < last; ++along) {
      inside += step(along, along + 1, across);
    }
    acrossTheEdge += step(last, 0, across);
  }
  return {inside / (static_cast<double>(last) * image.size), acrossTheEdge / image.size};
}

TEST_F(ShippedTextureTest, EveryNormalMapMipLevelAveragesToAnUntiltedSurface) {
  IDirect3DTexture9* texture = NormalMap();
  ASSERT_NE(texture, nullptr);
  for (UINT level = 0; level < texture->GetLevelCount(); ++level) {
    const ArgbImage image = ReadTextureLevel(texture, level);
    for (const OffsetChannel& offset : OffsetChannels) {
      EXPECT_NEAR(MeanOffset(image, offset.channel), 0.0, 1.5 / 255.0) << offset.name << ", level " << level;
    }
  }
}

TEST_F(ShippedTextureTest, NormalMapTiltsAreSubtle) {
  IDirect3DTexture9* texture = NormalMap();
  ASSERT_NE(texture, nullptr);
  const ArgbImage image = ReadTextureLevel(texture, 0);
  double sumOfSquares = 0.0;
  double largest = 0.0;
  for (std::uint32_t texel : image.texels) {
    const double tangent = Offset(texel, RedChannel);
    const double binormal = Offset(texel, GreenChannel);
    sumOfSquares += tangent * tangent + binormal * binormal;
    largest = std::max({largest, std::fabs(tangent), std::fabs(binormal)});
  }
  // Between about 1 and 5 degrees of tilt on average: visible in reflections, smooth as paint.
  const double rms = std::sqrt(sumOfSquares / static_cast<double>(image.texels.size()));
  EXPECT_GT(rms, 0.02);
  EXPECT_LT(rms, 0.08);
  // No texel tilts by more than atan(0.25), 14 degrees.
  EXPECT_LE(largest, 0.25);
}

TEST_F(ShippedTextureTest, NormalMapTilesWithoutSeams) {
  IDirect3DTexture9* texture = NormalMap();
  ASSERT_NE(texture, nullptr);
  const ArgbImage image = ReadTextureLevel(texture, 0);
  for (const OffsetChannel& offset : OffsetChannels) {
    for (bool alongX : {true, false}) {
      const Steps steps = ChannelSteps(image, offset.channel, alongX);
      EXPECT_LT(steps.acrossTheEdge, 1.5 * steps.inside)
          << offset.name << (alongX ? ", left to right" : ", top to bottom");
    }
  }
}

// A relief several texels across, not texel-sized grit that would shimmer as the car moves: neighbouring
// texels differ by much less than the offsets themselves.
TEST_F(ShippedTextureTest, NormalMapReliefIsSmoothFromTexelToTexel) {
  IDirect3DTexture9* texture = NormalMap();
  ASSERT_NE(texture, nullptr);
  const ArgbImage image = ReadTextureLevel(texture, 0);
  for (const OffsetChannel& offset : OffsetChannels) {
    double meanMagnitude = 0.0;
    for (std::uint32_t texel : image.texels) {
      meanMagnitude += std::fabs(Offset(texel, offset.channel)) * 255.0;
    }
    meanMagnitude /= static_cast<double>(image.texels.size());
    for (bool alongX : {true, false}) {
      EXPECT_LT(ChannelSteps(image, offset.channel, alongX).inside, 0.6 * meanMagnitude) << offset.name;
    }
  }
}

}  // namespace
