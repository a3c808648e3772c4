// The surface vertex shader on a real device. Each case draws one point; a locator pass shows where oPos
// put it, and one pass per texture coordinate set copies that set to the colour through a pixel shader
// of the test's own, so the values arrive uninterpolated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "device_test.h"
#include "shader_reference.h"
#include "surface_shader_code.h"

namespace {

constexpr float Tolerance = 1e-3f;
constexpr int TextureCoordinateSets = 7;

// Position as four floats so that a case can deliver a w other than 1; the rest as the plug-in's three.
struct StreamVertex {
  Float4 position;
  Float3 normal;
  Float3 texcoord;
  Float3 tangent;
  Float3 binormal;
};

const D3DVERTEXELEMENT9 StreamElements[] = {
    {0, 0, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 16, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_NORMAL, 0},
    {0, 28, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    {0, 40, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TANGENT, 0},
    {0, 52, D3DDECLTYPE_FLOAT3, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_BINORMAL, 0},
    D3DDECL_END(),
};

const char* const LocatorPixelShader =
    "ps_2_0\n"
    "def c0, 1, 1, 1, 1\n"
    "mov oC0, c0\n";

// Identity transforms, the camera at (0, 0, 5), the light travelling along -z.
VertexConstants CameraOnZ() {
  return {{{1, 0, 0, 0},
           {0, 1, 0, 0},
           {0, 0, 1, 0},
           {0, 0, 0, 1},
           {1, 0, 0, 0},
           {0, 1, 0, 0},
           {0, 0, 1, 0},
           {1, 0, 0, 0},
           {0, 1, 0, 0},
           {0, 0, 1, 0},
           {1, 0, 0, 0},
           {0, 1, 0, 0},
           {0, 0, 1, 5},
           {0, 0, -1, 0}}};
}

// Non-trivial columns throughout: a projection with w, a rotated and moved world, arbitrary WorldIT.
VertexConstants Skewed() {
  return {{{0.8f, 0.1f, 0.0f, 0.05f},
           {-0.1f, 0.7f, 0.2f, -0.1f},
           {0.0f, 0.1f, 0.3f, 0.4f},
           {0.1f, 0.0f, 0.2f, 1.2f},
           {0.6f, -0.8f, 0.0f, 0.0f},
           {0.8f, 0.6f, 0.1f, 0.0f},
           {0.0f, -0.2f, 1.5f, 0.0f},
           {0.0f, 1.0f, 0.0f, 2.0f},
           {-1.0f, 0.0f, 0.0f, -1.0f},
           {0.0f, 0.0f, 1.0f, 0.5f},
           {0.3f, 0.2f, 0.1f, 3.0f},
           {0.4f, 0.5f, 0.6f, -2.0f},
           {0.7f, 0.8f, 0.9f, 7.0f},
           {0.3f, -0.8f, 0.5f, 9.0f}}};
}

VertexConstants With(VertexConstants constants, std::size_t reg, const Float4& value) {
  constants[reg] = value;
  return constants;
}

const VertexInput Origin{{0, 0, 0, 1}, {0.25f, 0.5f, 0.75f}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
const VertexInput Skew{{0.4f, -0.3f, 0.2f, 1},
                       {0.1f, -0.6f, 2.5f},
                       {0.2f, 0.9f, -0.4f},
                       {0.9f, -0.1f, 0.3f},
                       {-0.2f, 0.3f, 0.95f}};

VertexInput WithPositionW(VertexInput input, float w) {
  input.position[3] = w;
  return input;
}

struct VertexCase {
  const char* name;
  VertexConstants constants;
  VertexInput input;
};

struct MeasuredVertex {
  int x;
  int y;
  std::array<Float4, TextureCoordinateSets> texcoords;
};

class SurfaceVertexShader : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    device_->SetVertexShader(CreateVertexShader(SurfaceVertexShaderCode));
    device_->SetVertexDeclaration(CreateDeclaration(StreamElements));
    locator_ = AssemblePixelShader(LocatorPixelShader);
    for (int set = 0; set < TextureCoordinateSets; ++set) {
      const std::string copy = "ps_2_0\ndcl t" + std::to_string(set) + "\nmov oC0, t" + std::to_string(set);
      copies_[set] = AssemblePixelShader(copy.c_str());
    }
  }

  MeasuredVertex Measure(const VertexConstants& constants, const VertexInput& input) {
    device_->SetVertexShaderConstantF(0, constants[0].data(), static_cast<UINT>(constants.size()));
    const StreamVertex vertex{input.position, input.normal, input.texcoord, input.tangent, input.binormal};
    MeasuredVertex measured{-1, -1, {}};
    device_->SetPixelShader(locator_);
    const std::vector<Float4> located = DrawPoint(&vertex, sizeof vertex);
    int lit = 0;
    for (UINT y = 0; y < TargetSize; ++y) {
      for (UINT x = 0; x < TargetSize; ++x) {
        if (PixelAt(located, x, y)[0] != 0.0f) {
          measured.x = static_cast<int>(x);
          measured.y = static_cast<int>(y);
          ++lit;
        }
      }
    }
    EXPECT_EQ(lit, 1) << "pixels the point covers";
    if (lit != 1) {
      return measured;
    }
    for (int set = 0; set < TextureCoordinateSets; ++set) {
      device_->SetPixelShader(copies_[set]);
      measured.texcoords[set] = PixelAt(DrawPoint(&vertex, sizeof vertex), static_cast<UINT>(measured.x),
                                        static_cast<UINT>(measured.y));
    }
    return measured;
  }

  // Direct3D 9 puts pixel centres on whole screen coordinates: pixel i covers i - 0.5 to i + 0.5.
  static void ExpectPositionAt(const MeasuredVertex& measured, const Float4& clip) {
    const float screenX = (clip[0] / clip[3] + 1.0f) * TargetSize / 2.0f;
    const float screenY = (1.0f - clip[1] / clip[3]) * TargetSize / 2.0f;
    EXPECT_LE(std::fabs(static_cast<float>(measured.x) - screenX), 0.51f) << "screen x " << screenX;
    EXPECT_LE(std::fabs(static_cast<float>(measured.y) - screenY), 0.51f) << "screen y " << screenY;
  }

  // Sets 0 and 1 carry four components, sets 2 to 6 three.
  static void ExpectTexcoords(const MeasuredVertex& measured, const std::array<Float4, 7>& expected) {
    for (int set = 0; set < TextureCoordinateSets; ++set) {
      const std::size_t components = set < 2 ? 4 : 3;
      for (std::size_t i = 0; i < components; ++i) {
        const float want = expected[set][i];
        EXPECT_NEAR(measured.texcoords[set][i], want, Tolerance * std::max(1.0f, std::fabs(want)))
            << "oT" << set << " component " << i;
      }
    }
  }

 private:
  IDirect3DPixelShader9* locator_ = nullptr;
  std::array<IDirect3DPixelShader9*, TextureCoordinateSets> copies_{};
};

TEST_F(SurfaceVertexShader, IdentityTransformsWithTheCameraOnZ) {
  const MeasuredVertex measured = Measure(CameraOnZ(), Origin);
  EXPECT_EQ(measured.x, static_cast<int>(TargetSize / 2));
  EXPECT_EQ(measured.y, static_cast<int>(TargetSize / 2));
  ExpectTexcoords(measured, {{{0.25f, 0.5f, 0.75f, 1.0f},
                              {0, 0, 2, 1},
                              {0, 0, 1, 0},
                              {0, 0, 0, 0},
                              {0, 0, 5, 0},
                              {1, 0, 0, 0},
                              {0, 1, 0, 0}}});
}

TEST_F(SurfaceVertexShader, AgreesWithTheReference) {
  const VertexCase cases[] = {
      {"identity transforms, camera on z", CameraOnZ(), Origin},
      {"light direction of length 7 is normalised", With(CameraOnZ(), 13, {0, 0, -7, 0}), Origin},
      {"camera opposite the light: V + L is zero", With(CameraOnZ(), 13, {0, 0, 1, 0}), Origin},
      {"WorldIT w shifts normal, tangent and binormal", With(CameraOnZ(), 4, {1, 0, 0, 1}), Origin},
      {"WorldIT w in all three columns",
       With(With(Skewed(), 5, {0.8f, 0.6f, 0.1f, -0.5f}), 6, {0.0f, -0.2f, 1.5f, 0.25f}), Skew},
      {"position w arriving as 0", Skewed(), WithPositionW(Skew, 0.0f)},
      {"position w arriving as 2", Skewed(), WithPositionW(Skew, 2.0f)},
      {"non-trivial transforms", Skewed(), Skew},
      {"non-trivial transforms, light from below",
       With(Skewed(), 13, {-0.2f, 2.0f, 0.4f, 0.0f}),
       {{-0.5f, 0.6f, -0.7f, 1},
        {0.9f, 0.8f, -1.0f},
        {-0.6f, 0.1f, 0.7f},
        {0.0f, 0.4f, 0.3f},
        {0.5f, 0.5f, -0.5f}}},
  };
  for (const VertexCase& vertexCase : cases) {
    SCOPED_TRACE(vertexCase.name);
    const VertexOutputs expected = ReferenceSurfaceVertex(vertexCase.constants, vertexCase.input);
    const MeasuredVertex measured = Measure(vertexCase.constants, vertexCase.input);
    ExpectPositionAt(measured, expected.position);
    ExpectTexcoords(measured, expected.texcoords);
  }
}

}  // namespace
