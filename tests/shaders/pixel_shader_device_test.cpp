// The surface pixel shader on a real device, behind a vertex shader of the test's own that hands it
// chosen t0-t6 through one point drawn on a pixel centre. The base and normal textures are 2x2 with the
// case's texel where t0 points and decoys elsewhere; the cube map has one colour per face.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "device_test.h"
#include "shader_reference.h"
#include "surface_shader_code.h"

namespace {

constexpr float Tolerance = 1e-3f;
constexpr UINT PixelX = 10;
constexpr UINT PixelY = 20;

// t0 picks texel (1, 0) of the 2x2 textures; its z and w must not matter.
const Float4 TexelCoordinate{0.75f, 0.25f, 0.6f, 0.3f};
const Float4 BaseDecoy{0.9f, 0.9f, 0.9f, 0.9f};
const Float4 NormalDecoy{0.1f, 0.9f, 0.3f, 0.3f};

// Indexed by D3DCUBEMAP_FACES. -z holds the (0.2, 0.2, 0.2, 0) of the defaults case.
const Float4 FaceColours[6] = {
    {0.9f, 0.1f, 0.3f, 0.5f}, {0.1f, 0.8f, 0.6f, 0.4f}, {0.3f, 0.3f, 0.9f, 0.7f},
    {0.6f, 0.5f, 0.1f, 0.9f}, {0.4f, 0.7f, 0.2f, 0.1f}, {0.2f, 0.2f, 0.2f, 0.0f},
};

// A one-texel-per-face cube returns the colour of the face the direction's largest component picks.
Float4 CubeFaceColour(const Float3& direction) {
  std::size_t axis = 0;
  for (std::size_t i = 1; i < 3; ++i) {
    if (std::fabs(direction[i]) > std::fabs(direction[axis])) {
      axis = i;
    }
  }
  return FaceColours[2 * axis + (direction[axis] < 0.0f ? 1 : 0)];
}

struct FeedVertex {
  Float4 position;
  std::array<Float4, 7> texcoords;
};

const D3DVERTEXELEMENT9 FeedElements[] = {
    {0, 0, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 16, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    {0, 32, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 1},
    {0, 48, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 2},
    {0, 64, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 3},
    {0, 80, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 4},
    {0, 96, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 5},
    {0, 112, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 6},
    D3DDECL_END(),
};

const char* const FeedVertexShader =
    "vs_2_0\n"
    "dcl_position v0\n"
    "dcl_texcoord0 v1\ndcl_texcoord1 v2\ndcl_texcoord2 v3\ndcl_texcoord3 v4\n"
    "dcl_texcoord4 v5\ndcl_texcoord5 v6\ndcl_texcoord6 v7\n"
    "mov oPos, v0\n"
    "mov oT0, v1\nmov oT1, v2\nmov oT2, v3\nmov oT3, v4\nmov oT4, v5\nmov oT5, v6\nmov oT6, v7\n";

// The constant table's defaults.
const PixelConstants Defaults{
    {{1, 1, 1, 1}, {0.07f, 0.07f, 0.07f, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {30, 0, 0, 0}, {1, 0, 0, 0}}};

const PixelConstants Coloured{{{0.9f, 0.7f, 0.5f, 0.8f},
                               {0.1f, 0.15f, 0.2f, 0.5f},
                               {0.8f, 1.2f, 0.6f, 1.0f},
                               {0.05f, 0.02f, 0.1f, 0.3f},
                               {12, 0, 0, 0},
                               {0.6f, 0, 0, 0}}};

PixelConstants With(PixelConstants constants, std::size_t reg, const Float4& value) {
  constants[reg] = value;
  return constants;
}

// Unit frame along the axes, the surface at the origin, the camera straight above it on z, and S so that
// H = H2 = Nb.
const std::array<Float4, 7> FacingCamera{
    {{}, {0, 0, 2, 1}, {0, 0, 1, 0}, {0, 0, 0, 0}, {0, 0, 3, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}}};

// The same unit frame with the camera off to the side, so a tilted normal reflects clear of cube edges.
const std::array<Float4, 7> CameraOffAxis{
    {{}, {0, 0, 2, 1}, {0, 0, 1, 0}, {0, 0, 0, 0}, {0.8f, 0, 3, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}}};

// Normal along y, the camera above the surface along that normal: the reflection comes straight back,
// and the cube is read at (-Nb.x, Nb.y, -Nb.z) = +y.
const std::array<Float4, 7> CameraAlongNormal{
    {{}, {0.3f, 1.5f, 0.2f, 1}, {0, 2, 0, 0}, {1, 2, 3, 0}, {1, 5, 3, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}}};

// Light behind the surface: dot(H, Nb) < 0.
const std::array<Float4, 7> LitFromBehind{
    {{}, {0.1f, 0.2f, -1.5f, 1}, {0, 0, 1, 0}, {0, 0, 0, 0}, {0.5f, 0.2f, 3, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}}};

// Interpolated, so not unit length, frame not orthogonal, light weight 0.5.
const std::array<Float4, 7> Oblique{{{},
                                     {0.4f, 0.3f, 1.1f, 0.5f},
                                     {0.1f, 0.3f, 1.8f, 0},
                                     {2, -1, 0.5f, 0},
                                     {1, 1, 6, 0},
                                     {0.9f, 0.1f, -0.2f, 0},
                                     {0.05f, 1.3f, 0.1f, 0}}};

const std::array<Float4, 7> Grazing{{{},
                                     {1.2f, 0.1f, 0.4f, 1},
                                     {0.2f, 0.1f, 0.9f, 0},
                                     {0, 0, 0, 0},
                                     {4, -1, 1.5f, 0},
                                     {0, 1, 0, 0},
                                     {-1, 0, 0.1f, 0}}};

struct PixelCase {
  const char* name;
  PixelConstants constants;
  std::array<Float4, 7> texcoords;
  Float4 baseTexel;
  Float4 normalTexel;
};

class SurfacePixelShader : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    device_->SetVertexShader(AssembleVertexShader(FeedVertexShader));
    device_->SetVertexDeclaration(CreateDeclaration(FeedElements));
    device_->SetPixelShader(CreatePixelShader(SurfacePixelShaderCode));
    base_ = CreateTexture();
    normal_ = CreateTexture();
    ASSERT_EQ(
        device_->CreateCubeTexture(1, 1, 0, D3DFMT_A32B32G32R32F, D3DPOOL_MANAGED, &environment_, nullptr),
        D3D_OK);
    for (UINT face = 0; face < 6; ++face) {
      D3DLOCKED_RECT locked{};
      ASSERT_EQ(environment_->LockRect(static_cast<D3DCUBEMAP_FACES>(face), 0, &locked, nullptr, 0), D3D_OK);
      std::memcpy(locked.pBits, FaceColours[face].data(), sizeof(Float4));
      environment_->UnlockRect(static_cast<D3DCUBEMAP_FACES>(face), 0);
    }
    device_->SetTexture(0, base_);
    device_->SetTexture(1, normal_);
    device_->SetTexture(2, environment_);
  }

  void TearDown() override {
    for (DWORD stage = 0; device_ != nullptr && stage < 3; ++stage) {
      device_->SetTexture(stage, nullptr);
    }
    for (IUnknown* texture : {static_cast<IUnknown*>(base_), static_cast<IUnknown*>(normal_),
                              static_cast<IUnknown*>(environment_)}) {
      if (texture != nullptr) {
        texture->Release();
      }
    }
    DeviceTest::TearDown();
  }

  IDirect3DTexture9* CreateTexture() {
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A32B32G32R32F, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    return texture;
  }

  // The case's texel at (1, 0), where t0 points; decoys in the other three.
  static void Fill(IDirect3DTexture9* texture, const Float4& texel, const Float4& decoy) {
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (UINT y = 0; y < 2; ++y) {
      auto* row = reinterpret_cast<Float4*>(static_cast<char*>(locked.pBits) + y * locked.Pitch);
      row[0] = decoy;
      row[1] = y == 0 ? texel : decoy;
    }
    texture->UnlockRect(0);
  }

  Float4 Shade(const PixelCase& pixelCase) {
    Fill(base_, pixelCase.baseTexel, BaseDecoy);
    Fill(normal_, pixelCase.normalTexel, NormalDecoy);
    device_->SetPixelShaderConstantF(0, pixelCase.constants[0].data(),
                                     static_cast<UINT>(pixelCase.constants.size()));
    // Direct3D 9 puts pixel centres on whole screen coordinates, so this lands on the centre of the pixel.
    FeedVertex vertex{{2.0f * PixelX / TargetSize - 1.0f, 1.0f - 2.0f * PixelY / TargetSize, 0.5f, 1.0f},
                      pixelCase.texcoords};
    vertex.texcoords[0] = TexelCoordinate;
    return PixelAt(DrawPoint(&vertex, sizeof vertex), PixelX, PixelY);
  }

  static void ExpectColour(const Float4& got, const Float4& want) {
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(got[i], want[i], Tolerance * std::max(1.0f, std::fabs(want[i]))) << "channel " << i;
    }
  }

 private:
  IDirect3DTexture9* base_ = nullptr;
  IDirect3DTexture9* normal_ = nullptr;
  IDirect3DCubeTexture9* environment_ = nullptr;
};

TEST_F(SurfacePixelShader, TableDefaultsFacingTheCameraGiveUnclampedColour) {
  const PixelCase defaults{"defaults", Defaults, FacingCamera, {1.0f, 0.5f, 0.25f, 1.0f}, {0.5f, 0.5f, 0, 0}};
  ExpectColour(Shade(defaults), {2.27f, 1.735f, 1.4675f, 3.0f});
}

TEST_F(SurfacePixelShader, AgreesWithTheReference) {
  const Float4 flat{0.5f, 0.5f, 0.8f, 0.2f};
  const Float4 base{0.8f, 0.6f, 0.4f, 0.9f};
  const PixelCase cases[] = {
      {"table defaults facing the camera", Defaults, FacingCamera, {1.0f, 0.5f, 0.25f, 1.0f}, flat},
      {"refmul 0 adds no environment", With(Coloured, 5, {0, 0, 0, 0}), Oblique, base, flat},
      {"black base texel", Coloured, Oblique, {0, 0, 0, 0}, {0.3f, 0.7f, 0, 0}},
      {"base red 0 gives no highlight", Coloured, FacingCamera, {0.0f, 0.6f, 0.4f, 1.0f}, flat},
      {"light from behind: no diffuse, no highlight", Coloured, LitFromBehind, base, flat},
      {"camera along the bumped normal reads the cube at +y", Coloured, CameraAlongNormal, base, flat},
      {"strongest tilt, both channels 1", Defaults, CameraOffAxis, base, {1.0f, 1.0f, 0, 0}},
      {"strongest tilt, red 0 alone", Defaults, CameraOffAxis, base, {0.0f, 0.5f, 0, 0}},
      {"base red above 1 masks the highlight at 1", Defaults, Grazing, {1.5f, 0.2f, 0.1f, 1.0f}, flat},
      {"interpolated frame, light weight 0.5", Coloured, Oblique, base, {0.7f, 0.35f, 0.1f, 0.9f}},
      {"grazing view, coloured light", With(Coloured, 4, {60, 0, 0, 0}), Grazing, base, {0.4f, 0.8f, 0, 0}},
  };
  for (const PixelCase& pixelCase : cases) {
    SCOPED_TRACE(pixelCase.name);
    PixelInput input{pixelCase.texcoords, pixelCase.baseTexel, pixelCase.normalTexel};
    input.texcoords[0] = TexelCoordinate;
    ExpectColour(Shade(pixelCase), ReferenceSurfacePixel(pixelCase.constants, input, CubeFaceColour));
  }
}

}  // namespace
