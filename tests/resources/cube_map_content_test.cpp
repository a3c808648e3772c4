// The shipped cube map as the device samples it: a pixel shader of the test's own looks it up in chosen
// directions, so the device's own cube addressing judges the faces' orientation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "shipped_texture_fixture.h"

namespace {

struct LookupVertex {
  Float4 position;
  Float4 direction;
};

const D3DVERTEXELEMENT9 LookupElements[] = {
    {0, 0, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 16, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    D3DDECL_END(),
};

const char* const LookupVertexShader =
    "vs_2_0\n"
    "dcl_position v0\ndcl_texcoord0 v1\n"
    "mov oPos, v0\nmov oT0, v1\n";

const char* const LookupPixelShader =
    "ps_2_0\n"
    "dcl t0.xyz\ndcl_cube s0\n"
    "texld r0, t0, s0\nmov oC0, r0\n";

constexpr UINT PixelX = 5;
constexpr UINT PixelY = 7;

double Luminance(const Float4& colour) {
  return 0.299 * colour[0] + 0.587 * colour[1] + 0.114 * colour[2];
}

class CubeMapLookupTest : public ShippedTextureTest {
 protected:
  void SetUp() override {
    ShippedTextureTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    IDirect3DCubeTexture9* cubeMap = CubeMap();
    ASSERT_NE(cubeMap, nullptr);
    D3DSURFACE_DESC top{};
    ASSERT_EQ(cubeMap->GetLevelDesc(0, &top), D3D_OK);
    faceSize_ = top.Width;
    ASSERT_EQ(device_->SetTexture(0, cubeMap), D3D_OK);
    device_->SetVertexShader(AssembleVertexShader(LookupVertexShader));
    device_->SetPixelShader(AssemblePixelShader(LookupPixelShader));
    device_->SetVertexDeclaration(CreateDeclaration(LookupElements));
  }

  // The texel the device's point sampling picks for a direction of cube space.
  Float4 Lookup(const Float3& direction) {
    const LookupVertex vertex{
        {2.0f * PixelX / TargetSize - 1.0f, 1.0f - 2.0f * PixelY / TargetSize, 0.5f, 1.0f},
        {direction[0], direction[1], direction[2], 0.0f}};
    return PixelAt(DrawPoint(&vertex, sizeof vertex), PixelX, PixelY);
  }

  UINT faceSize_ = 0;
};

// Where two faces meet, the texels on either side show neighbouring directions, so their colours are
// close; a face turned or mirrored would put a far part of its image against the edge. Each of the
// twelve edges lies where two components have magnitude 1, and the texel centres beside it lie one
// texel-half inside each face.
TEST_F(CubeMapLookupTest, FacesMeetAtTheirSharedEdges) {
  const float inside = 1.0f - 1.0f / static_cast<float>(faceSize_);
  constexpr int SamplesPerEdge = 16;
  for (int first = 0; first < 3; ++first) {
    for (int second = first + 1; second < 3; ++second) {
      const int along = 3 - first - second;
      for (float firstSign : {1.0f, -1.0f}) {
        for (float secondSign : {1.0f, -1.0f}) {
          double sumOfDifferences = 0.0;
          double largestDifference = 0.0;
          for (int sample = 0; sample < SamplesPerEdge; ++sample) {
            const UINT texel = (2 * static_cast<UINT>(sample) + 1) * faceSize_ / (2 * SamplesPerEdge);
            const float position =
                (2.0f * static_cast<float>(texel) + 1.0f) / static_cast<float>(faceSize_) - 1.0f;
            Float3 onFirstFace{};
            onFirstFace[first] = firstSign;
            onFirstFace[second] = secondSign * inside;
            onFirstFace[along] = position;
            Float3 onSecondFace = onFirstFace;
            onSecondFace[first] = firstSign * inside;
            onSecondFace[second] = secondSign;
            const Float4 a = Lookup(onFirstFace);
            const Float4 b = Lookup(onSecondFace);
            for (int channel = 0; channel < 3; ++channel) {
              const double difference = std::fabs(a[channel] - b[channel]);
              sumOfDifferences += difference;
              largestDifference = std::max(largestDifference, difference);
            }
          }
          SCOPED_TRACE(::testing::Message() << "edge at axis " << first << " sign " << firstSign << ", axis "
                                            << second << " sign " << secondSign);
          EXPECT_LT(sumOfDifferences / (3 * SamplesPerEdge), 0.02);
          EXPECT_LT(largestDifference, 0.15);
        }
      }
    }
  }
}

// The surface shader looks the map up at (R.x, -R.y, R.z) with R = Vp - 2 dot(Vp, N) N, the negated
// mirror ray M of the view: the lookup is (-M.x, M.y, -M.z). In a world with +y up, a reflection that
// points up must find the sky, and one that points down the ground.
Float3 ShaderLookup(const Float3& mirrored) {
  return {-mirrored[0], mirrored[1], -mirrored[2]};
}

Float3 WorldDirection(double azimuth, double elevation) {
  return {static_cast<float>(std::cos(elevation) * std::cos(azimuth)),
          static_cast<float>(std::sin(elevation)),
          static_cast<float>(std::cos(elevation) * std::sin(azimuth))};
}

constexpr double Pi = 3.14159265358979;

TEST_F(CubeMapLookupTest, ReflectionsUpwardsSeeABrightSkyAndDownwardsADarkGround) {
  const double sky = Luminance(Lookup(ShaderLookup({0.0f, 1.0f, 0.0f})));
  const double ground = Luminance(Lookup(ShaderLookup({0.0f, -1.0f, 0.0f})));
  EXPECT_GT(sky, 0.4);
  EXPECT_LT(ground, 0.2);
}

TEST_F(CubeMapLookupTest, AHorizonRunsAllRound) {
  constexpr int Bearings = 24;
  constexpr double TwentyDegrees = 20.0 * Pi / 180.0;
  for (int bearing = 0; bearing < Bearings; ++bearing) {
    const double azimuth = 2.0 * Pi * bearing / Bearings;
    const double above = Luminance(Lookup(ShaderLookup(WorldDirection(azimuth, TwentyDegrees))));
    const double below = Luminance(Lookup(ShaderLookup(WorldDirection(azimuth, -TwentyDegrees))));
    EXPECT_GT(above - below, 0.25) << "bearing " << bearing;
  }
}

}  // namespace
