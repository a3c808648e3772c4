// The render callback that set-up installs, called as the game's renderer calls it, checked call by call
// against what the game's records and state say it must do.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

#include "stack_words.h"
#include "surface_model.h"
#include "surface_scene_fixture.h"

namespace {

struct MeshCase {
  std::uint8_t red, green, blue;
  int effectType;
  float effectCoefficient;
};

struct ObjectCase {
  std::uint32_t flags;
  bool lighting;
  bool indexed;
  std::vector<MeshCase> meshes;
};

struct CallbackCase {
  const char* name;
  std::vector<ObjectCase> objects;  // rendered one after the other in one process
};

constexpr std::uint32_t Textured = 0x04;
constexpr std::uint32_t AlsoTextured = 0x80;
constexpr std::uint32_t ResetStage2 = 0x40;
constexpr bool Lit = true;
constexpr bool Unlit = false;
constexpr bool Indexed = true;
constexpr bool NotIndexed = false;

class RenderCallbackTest : public SurfaceSceneTest {
 protected:
  void SetUp() override {
    SurfaceSceneTest::SetUp();
    GameDeviceState& device = GameDevice();
    device.worldViewProj = MatrixOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    device.worldIT = MatrixOf({0.5f, 0, 0, 0.25f, 0, 0.5f, 0, 0.125f, 0, 0, 0.5f, 2, -1, -2, -3, 1});
    // A camera turned a quarter about y and moved: its inverse is exact in single precision.
    device.view = MatrixOf({0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 3, -2, 5, 1});
    device.light0.Type = D3DLIGHT_SPOT;
    device.light0.Diffuse = {0.1f, 0.2f, 0.3f, 0.4f};
    device.light0.Specular = {0.9f, 0.9f, 0.9f, 0.9f};
    device.light0.Ambient = {0.05f, 0.06f, 0.07f, 0.6f};
    device.light0.Position = {10, 20, 30};
    device.light0.Direction = {0, -1, 0};
    device.light0.Range = 250.0f;
    device.light0.Falloff = 1.5f;
    device.light0.Attenuation0 = 1.0f;
    device.light0.Attenuation1 = 0.01f;
    device.light0.Attenuation2 = 0.001f;
    device.light0.Theta = 0.5f;
    device.light0.Phi = 1.0f;
    scene_.lighting = {{0.2f, 0.25f, 0.3f}, {0.9f, 0.8f, 0.7f}, {0.25f, -0.5f, 0.75f}};
  }

  // Renders one object as the game would, with a light vector of its own, and returns the calls made.
  std::vector<HostCall> Render(const ObjectCase& objectCase) {
    scene_.lighting.lightVector[0] += 0.5f;  // each object sees the light from elsewhere
    SetGameLighting(scene_.lighting.ambient, scene_.lighting.directional, scene_.lighting.lightVector);
    GameDevice().lighting = objectCase.lighting ? 1 : 0;
    scene_.device = GameDevice();

    StandInGeometry& geometry = geometries_.emplace_back();
    geometry.indexBuffer = objectCase.indexed ? reinterpret_cast<HostHandle>(0x1DB00000) : nullptr;
    geometry.primitiveType = objectCase.indexed ? D3DPT_TRIANGLELIST : D3DPT_TRIANGLESTRIP;
    geometry.useOffsets = 1;
    for (const MeshCase& mesh : objectCase.meshes) {
      const int i = static_cast<int>(materials_.size());
      StandInMaterial& material = materials_.emplace_back();
      material = {AsPointer<HostTexture*>(static_cast<std::uint32_t>(0x7E000000 + i * 0x10)),
                  mesh.red,
                  mesh.green,
                  mesh.blue,
                  0xAA,
                  mesh.effectType,
                  AsPointer<HostTexture*>(static_cast<std::uint32_t>(0x7F000000 + i * 0x10)),
                  mesh.effectCoefficient};
      // Distinct fields per mesh show the 36-byte stride.
      geometry.meshes.push_back({&material, 100 * i + 1, 100 * i + 2, 100 * i + 3, 100 * i + 4});
    }
    const std::vector<std::uint8_t>& entry = entries_.emplace_back(BuildResourceEntry(geometry));
    StandInFrame& frame = frames_.emplace_back();
    const float k = static_cast<float>(frames_.size());
    frame.world = MatrixOf({1, 0, 0, 7, 0, 2, 0, 8, 0, 0, 3, 9, k, 2 * k, 3 * k, 10});
    StandInObject& object = objects_.emplace_back(StandInObject{0, &frame});

    expected_ = ComparableTrace(
        ExpectedCallbackCalls(scene_, {&object, &geometry, &entry, objectCase.flags}, model_));
    ResetHostCallTrace();
    GameRenderCallback().callback(
        reinterpret_cast<HostResourceEntry*>(const_cast<std::uint8_t*>(entry.data())),
        reinterpret_cast<HostObject*>(&object), 0x7777, objectCase.flags);
    return ComparableTrace(HostCallTrace());
  }

  // The data of the calls to `function`, in order.
  static std::vector<std::vector<std::uint8_t>> DataOf(const std::vector<HostCall>& trace,
                                                       HostFunction function) {
    std::vector<std::vector<std::uint8_t>> data;
    for (const HostCall& call : trace) {
      if (call.function == function) data.push_back(call.data);
    }
    return data;
  }

  SurfaceModel model_;
  std::vector<HostCall> expected_;
  // Records the game owns; deques keep their addresses while they grow.
  std::deque<StandInMaterial> materials_;
  std::deque<StandInGeometry> geometries_;
  std::deque<std::vector<std::uint8_t>> entries_;
  std::deque<StandInFrame> frames_;
  std::deque<StandInObject> objects_;
};

class CallbackCaseTest : public RenderCallbackTest, public testing::WithParamInterface<CallbackCase> {};

TEST_P(CallbackCaseTest, MakesTheGameCallsTheRecordsAsk) {
  int index = 0;
  for (const ObjectCase& object : GetParam().objects) {
    const std::vector<HostCall> trace = Render(object);
    EXPECT_THAT(trace, testing::ElementsAreArray(expected_)) << "object " << index;
    ++index;
  }
}

const MeshCase Plain{200, 100, 50, 0, 0.6f};
const MeshCase Environment{10, 20, 30, 2, 0.25f};
const MeshCase BumpEnvironment{40, 50, 60, 3, 0.5f};
const MeshCase OtherEffect{70, 80, 90, 1, 0.75f};

const CallbackCase CallbackCases[] = {
    {"NoMeshes", {{Textured, Lit, Indexed, {}}}},
    {"LitTextured", {{Textured, Lit, Indexed, {Plain}}}},
    {"TexturedByFlag0x80", {{AlsoTextured, Lit, Indexed, {Environment}}}},
    {"EffectType2", {{Textured, Lit, Indexed, {Environment}}}},
    {"EffectType3", {{Textured, Lit, Indexed, {BumpEnvironment}}}},
    {"OtherEffectType", {{Textured | AlsoTextured, Lit, Indexed, {OtherEffect}}}},
    {"UntexturedIgnoresEffects", {{0, Lit, Indexed, {BumpEnvironment, Environment}}}},
    {"NotIndexed", {{Textured, Lit, NotIndexed, {Plain, Environment}}}},
    {"SecondMeshKeepsTheType3Stage1", {{Textured, Lit, Indexed, {BumpEnvironment, Plain}}}},
    {"UnlitBeforeAnyLitMesh", {{Textured, Unlit, Indexed, {Plain}}}},
    {"UnlitKeepsTheLastLitMaterial",
     {{Textured, Lit, Indexed, {Plain, Environment}}, {Textured, Unlit, Indexed, {OtherEffect}}}},
    {"UnlitWithFlag0x40ResetsStage2", {{Textured | ResetStage2, Unlit, Indexed, {Plain}}}},
    {"LitWithFlag0x40LeavesStage2", {{Textured | ResetStage2, Lit, Indexed, {Plain}}}},
    {"LightDirectionOfThePreviousObject",
     {{Textured, Lit, Indexed, {Plain}}, {Textured, Lit, Indexed, {Plain}}, {0, Unlit, NotIndexed, {}}}},
};

INSTANTIATE_TEST_SUITE_P(Objects, CallbackCaseTest, testing::ValuesIn(CallbackCases),
                         [](const testing::TestParamInfo<CallbackCase>& test) { return test.param.name; });

std::vector<float> AsFloats(const std::vector<std::uint8_t>& data) {
  std::vector<float> floats(data.size() / sizeof(float));
  std::memcpy(floats.data(), data.data(), floats.size() * sizeof(float));
  return floats;
}

TEST_F(RenderCallbackTest, EightBitColourBecomesExactFloats) {
  const std::vector<HostCall> trace = Render({Textured, Lit, Indexed, {{255, 128, 0, 0, 0}}});
  const auto materials = DataOf(trace, HostFunction::SetMaterial);
  ASSERT_EQ(materials.size(), 1u);
  const std::vector<float> material = AsFloats(materials[0]);
  EXPECT_THAT(std::vector<float>(material.begin(), material.begin() + 4),
              testing::ElementsAre(1.0f, 0.50196081f, 0.0f, 1.0f));
  EXPECT_EQ(material[16], 90.0f);
  const auto constants = DataOf(trace, HostFunction::SetPixelShaderConstant);
  ASSERT_EQ(constants.size(), 6u);
  EXPECT_THAT(AsFloats(constants[2]), testing::ElementsAre(1.0f, 0.50196081f, 0.0f, 1.0f));
}

TEST_F(RenderCallbackTest, LightZeroTakesTheGameLightingAndKeepsTheRest) {
  const std::vector<HostCall> trace = Render({Textured, Lit, Indexed, {}});
  const auto lights = DataOf(trace, HostFunction::SetLight);
  ASSERT_EQ(lights.size(), 1u);
  D3DLIGHT9 light;
  ASSERT_EQ(lights[0].size(), sizeof light);
  std::memcpy(&light, lights[0].data(), sizeof light);
  const float* l = scene_.lighting.lightVector;
  EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
  EXPECT_THAT(AsFloats(RecordBytes(light.Diffuse)), testing::ElementsAre(0.9f, 0.8f, 0.7f, 0.4f));
  EXPECT_THAT(AsFloats(RecordBytes(light.Specular)), testing::ElementsAre(0.9f, 0.8f, 0.7f, 0.4f));
  EXPECT_THAT(AsFloats(RecordBytes(light.Ambient)), testing::ElementsAre(0.2f, 0.25f, 0.3f, 0.6f));
  EXPECT_THAT(AsFloats(RecordBytes(light.Direction)), testing::ElementsAre(-l[0], -l[1], -l[2]));
  EXPECT_THAT(AsFloats(RecordBytes(light.Position)), testing::ElementsAre(10, 20, 30));
  EXPECT_EQ(light.Range, 250.0f);
  EXPECT_EQ(light.Falloff, 1.5f);
  EXPECT_EQ(light.Phi, 1.0f);
}

}  // namespace
