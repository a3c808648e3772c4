// The frame surface_shader.dll renders in the stand-in game on Wine's Direct3D 9 is what the shading math
// says. Each preview object is drawn alone, once with the plug-in's pixel shader and once per texture
// coordinate set with a pixel shader of the test's own that writes the interpolated set t0..t6 into the
// float target. The CPU reference of the pixel shader, given those inputs, the pixel shader constants the
// plug-in uploaded and the textures point-sampled, must give the plug-in's colour at every sampled pixel.
#include <d3dx9.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "game_behaviours.h"
#include "game_renderer.h"
#include "host_call_trace.h"
#include "point_sampling.h"
#include "preview_scene.h"
#include "scene_textures.h"
#include "shader_reference.h"
#include "texture_readback.h"

namespace {

constexpr UINT CellSize = 96;
constexpr UINT TargetWidth = PreviewScene::Columns * CellSize;
constexpr UINT TargetHeight = PreviewScene::Rows * CellSize;
constexpr float RelativeTolerance = 1e-3f;
// Pixels are looked at on a grid of this spacing, and at most this many per object are compared.
constexpr UINT PixelSpacing = 2;
constexpr std::size_t PixelsPerObject = 100;
constexpr std::size_t FewestPixelsPerObject = 40;
constexpr int TexcoordSets = 7;
constexpr int PixelConstantCount = 6;

constexpr char NormalMapFile[] = "extra_resources/textures/nmap.dds";
constexpr char CubeMapFile[] = "extra_resources/textures/cubemap.dds";

using Frame = std::vector<Float4>;

struct MaterialRowCase {
  const char* name;
  int row;
  int effectType;
};

const MaterialRowCase MaterialRowCases[] = {
    {"PaintEffectType0", 0, 0},
    {"ReflectingEffectType2", 1, 2},
    {"RivetedEffectType3", 2, 3},
};

// A pixel shader that hands one interpolated texture coordinate set straight to the target.
std::string CaptureShaderSource(int set) {
  const std::string reg = "t" + std::to_string(set);
  return "ps_2_0\ndcl " + reg + "\nmov oC0, " + reg + "\n";
}

PixelConstants UploadedPixelConstants(const std::vector<HostCall>& trace) {
  PixelConstants constants{};
  int uploads = 0;
  for (const HostCall& call : trace) {
    if (call.function != HostFunction::SetPixelShaderConstant) continue;
    const std::uint32_t reg = call.arguments[0];
    if (reg < constants.size() && call.data.size() == sizeof(Float4)) {
      std::memcpy(constants[reg].data(), call.data.data(), sizeof(Float4));
      ++uploads;
    }
  }
  EXPECT_EQ(uploads, PixelConstantCount) << "one mesh uploads c0 to c5 once each";
  return constants;
}

class RenderedFrameTest : public testing::TestWithParam<MaterialRowCase> {
 protected:
  void SetUp() override {
    // The game folder is the source tree, which holds the shipped textures the plug-in loads.
    ASSERT_TRUE(SetCurrentDirectoryA(GAME_FOLDER));
    InstallGameBehaviours();
    renderer_ = std::make_unique<GameRenderer>(TargetWidth, TargetHeight, D3DFMT_A32B32G32R32F);
    ASSERT_TRUE(renderer_->Ready());
    renderer_->InstallBehaviours();
    HostRenderCallback callback = SetUpSurfacePlugin();
    ASSERT_NE(callback, nullptr);
    scene_ = std::make_unique<PreviewScene>(*renderer_, callback, CellSize);
    renderer_->UsePointSampling();
    IDirect3DDevice9* device = renderer_->Device();
    ASSERT_EQ(device->CreateOffscreenPlainSurface(TargetWidth, TargetHeight, D3DFMT_A32B32G32R32F,
                                                  D3DPOOL_SYSTEMMEM, &readback_, nullptr),
              D3D_OK);
    for (int set = 0; set < TexcoordSets; ++set) {
      const std::string source = CaptureShaderSource(set);
      ID3DXBuffer* code = nullptr;
      ASSERT_EQ(D3DXAssembleShader(source.c_str(), static_cast<UINT>(source.size()), nullptr, nullptr, 0,
                                   &code, nullptr),
                D3D_OK);
      ASSERT_EQ(
          device->CreatePixelShader(static_cast<const DWORD*>(code->GetBufferPointer()), &capture_[set]),
          D3D_OK);
      code->Release();
    }
    LoadKnownTextures();
    // The plug-in's first callback uploads the light direction of a callback before it, so a whole frame
    // goes first, as in the game.
    scene_->RenderFrame();
  }

  void TearDown() override {
    for (IDirect3DPixelShader9* shader : capture_) {
      if (shader) shader->Release();
    }
    if (readback_) readback_->Release();
    scene_.reset();
    renderer_.reset();
  }

  // The textures the frame is made from, read independently of the plug-in and the renderer.
  void LoadKnownTextures() {
    IDirect3DDevice9* device = renderer_->Device();
    IDirect3DTexture9* normalMap = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileA(device, NormalMapFile, &normalMap), D3D_OK);
    normalMap_ = ReadTextureLevel(normalMap, 0);
    normalMap->Release();
    IDirect3DCubeTexture9* cubeMap = nullptr;
    ASSERT_EQ(D3DXCreateCubeTextureFromFileA(device, CubeMapFile, &cubeMap), D3D_OK);
    for (int face = 0; face < 6; ++face) {
      cubeFaces_[static_cast<std::size_t>(face)] =
          ReadCubeFace(cubeMap, static_cast<D3DCUBEMAP_FACES>(face), 0);
    }
    cubeMap->Release();
    paint_ = PaintedPanelImage();
    rivets_ = RivetNormalImage();
  }

  // Draws the object alone into a target cleared to zero and reads the whole target back.
  Frame Draw(const PreviewObject& object, IDirect3DPixelShader9* replacement) {
    renderer_->ReplacePixelShader(replacement);
    scene_->BeginFrame(0);
    scene_->RenderObject(object);
    scene_->EndFrame();
    Frame frame(TargetWidth * TargetHeight);
    EXPECT_EQ(renderer_->Device()->GetRenderTargetData(renderer_->Target(), readback_), D3D_OK);
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(readback_->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    for (UINT y = 0; y < TargetHeight; ++y) {
      std::memcpy(&frame[y * TargetWidth], static_cast<const char*>(locked.pBits) + y * locked.Pitch,
                  TargetWidth * sizeof(Float4));
    }
    readback_->UnlockRect();
    return frame;
  }

  // Compares the plug-in's frame of one object with the reference; returns how many pixels it compared.
  std::size_t CompareObject(const PreviewObject& object) {
    ResetHostCallTrace();
    const Frame rendered = Draw(object, nullptr);
    const PixelConstants constants = UploadedPixelConstants(HostCallTrace());
    std::array<Frame, TexcoordSets> inputs;
    for (int set = 0; set < TexcoordSets; ++set) inputs[set] = Draw(object, capture_[set]);

    // The object's pixels: t1.w is 1.0 wherever the surface vertex shader's output reached.
    std::vector<std::size_t> covered;
    for (UINT y = object.cell.Y; y < object.cell.Y + object.cell.Height; y += PixelSpacing) {
      for (UINT x = object.cell.X; x < object.cell.X + object.cell.Width; x += PixelSpacing) {
        const std::size_t pixel = y * TargetWidth + x;
        if (inputs[1][pixel][3] == 1.0f) covered.push_back(pixel);
      }
    }
    const ArgbImage& normalTexture = object.material.effectType == 3 ? rivets_ : normalMap_;
    const std::size_t step = std::max<std::size_t>(1, covered.size() / PixelsPerObject);
    std::size_t compared = 0;
    int mismatches = 0;
    for (std::size_t i = 0; i < covered.size(); i += step) {
      const std::size_t pixel = covered[i];
      PixelInput input{};
      for (int set = 0; set < TexcoordSets; ++set) input.texcoords[set] = inputs[set][pixel];
      const float u = input.texcoords[0][0], v = input.texcoords[0][1];
      const PointSample base = SampleWrapped(paint_, u, v);
      const PointSample normal = SampleWrapped(normalTexture, u, v);
      input.baseTexel = base.texel;
      input.normalTexel = normal.texel;
      bool environmentClear = true;
      const Float4 expected = ReferenceSurfacePixel(constants, input, [&](const Float3& direction) {
        const PointSample environment = SampleCube(cubeFaces_, direction);
        environmentClear = environment.clear;
        return environment.texel;
      });
      if (!base.clear || !normal.clear || !environmentClear) continue;
      ++compared;
      const Float4& actual = rendered[pixel];
      for (std::size_t channel = 0; channel < 4; ++channel) {
        const float allowed = RelativeTolerance * std::max(1.0f, std::fabs(expected[channel]));
        if (std::fabs(actual[channel] - expected[channel]) <= allowed) continue;
        if (++mismatches <= 5) {
          ADD_FAILURE() << "pixel (" << pixel % TargetWidth << ", " << pixel / TargetWidth << ") channel "
                        << channel << ": rendered " << actual[channel] << ", shading math "
                        << expected[channel];
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
    return compared;
  }

  std::unique_ptr<GameRenderer> renderer_;
  std::unique_ptr<PreviewScene> scene_;
  IDirect3DSurface9* readback_ = nullptr;
  std::array<IDirect3DPixelShader9*, TexcoordSets> capture_{};
  ArgbImage normalMap_, paint_, rivets_;
  std::array<ArgbImage, 6> cubeFaces_;
};

TEST_P(RenderedFrameTest, EveryObjectOfTheMaterialRowIsShadedAsTheMathSays) {
  const MaterialRowCase& row = GetParam();
  bool sawLit = false, sawUnlit = false;
  for (int column = 0; column < PreviewScene::Columns; ++column) {
    const PreviewObject& object =
        scene_->Objects()[static_cast<std::size_t>(row.row * PreviewScene::Columns + column)];
    SCOPED_TRACE(testing::Message() << "column " << column << (object.lit ? ", lit" : ", unlit"));
    ASSERT_EQ(object.material.effectType, row.effectType);
    (object.lit ? sawLit : sawUnlit) = true;
    EXPECT_GE(CompareObject(object), FewestPixelsPerObject);
  }
  EXPECT_TRUE(sawLit && sawUnlit) << "the row has lit and unlit objects";
}

INSTANTIATE_TEST_SUITE_P(MaterialRows, RenderedFrameTest, testing::ValuesIn(MaterialRowCases),
                         [](const testing::TestParamInfo<MaterialRowCase>& rowCase) {
                           return rowCase.param.name;
                         });

}  // namespace
