// Vertex shader constants c0 to c13 as one object's render callback uploads them, against the matrices
// the game answers with, worked out in the test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "surface_model.h"
#include "surface_scene_fixture.h"

namespace {

struct Upload {
  std::uint32_t firstRegister;
  std::uint32_t count;
  std::vector<float> values;
};

class TransformConstantsTest : public SurfaceSceneTest {
 protected:
  void SetUp() override {
    SurfaceSceneTest::SetUp();
    GameDevice().worldViewProj = MatrixOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    GameDevice().worldIT = MatrixOf({17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32});
    GameDevice().lighting = 1;
    GameDevice().light0.Range = 80.0f;
  }

  // Renders an object without meshes and returns the calls of its transform upload and the uploads.
  std::vector<HostCall> RenderObject(const D3DMATRIX& world, const float lightVector[3]) {
    const float colour[3] = {1, 1, 1};
    SetGameLighting(colour, colour, lightVector);
    frame_.world = world;
    scene_.device = GameDevice();
    std::vector<std::uint8_t> entry = BuildResourceEntry({nullptr, D3DPT_TRIANGLELIST, 0, {}});
    ResetHostCallTrace();
    GameRenderCallback().callback(reinterpret_cast<HostResourceEntry*>(entry.data()),
                                  reinterpret_cast<HostObject*>(&object_), 0, 0);
    const std::vector<HostCall> trace = ComparableTrace(HostCallTrace());
    // The upload lies between the object's own world matrix request and the vertex shader binding.
    std::vector<HostCall> upload;
    bool inside = false;
    for (const HostCall& call : trace) {
      if (call.function == HostFunction::SetVertexShader) break;
      if (inside) upload.push_back(call);
      if (call.function == HostFunction::FrameGetWorldMatrix && !inside) inside = true;
    }
    return upload;
  }

  static std::vector<Upload> Uploads(const std::vector<HostCall>& calls) {
    std::vector<Upload> uploads;
    for (const HostCall& call : calls) {
      if (call.function != HostFunction::SetVertexShaderConstant) continue;
      std::vector<float> values(call.data.size() / sizeof(float));
      std::memcpy(values.data(), call.data.data(), call.data.size());
      uploads.push_back({call.arguments[0], call.arguments[2], values});
    }
    return uploads;
  }

  StandInFrame frame_{};
  StandInObject object_{0, &frame_};
};

const D3DMATRIX Identity = MatrixOf({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});

TEST_F(TransformConstantsTest, IdentityWorldAndViewGiveIdentityRows) {
  GameDevice().view = Identity;
  const float light[3] = {0, 0, 1};
  const std::vector<Upload> uploads = Uploads(RenderObject(Identity, light));
  ASSERT_EQ(uploads.size(), 5u);
  const std::vector<float> rows = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
  EXPECT_EQ(uploads[2].values, rows);
  EXPECT_EQ(uploads[3].values, rows);
}

TEST_F(TransformConstantsTest, UploadsTheGameMatricesWorldColumnsAndInverseView) {
  // A general camera: turned, tilted, scaled and moved.
  const float c = std::cos(0.3f), s = std::sin(0.3f);
  GameDevice().view = MatrixOf({c, s * s, -s * c, 0, 0, 2 * c, 2 * s, 0, s, -s * c, c * c, 0, 4, -7, 12, 1});
  // The world's fourth column holds values that must not appear anywhere.
  const D3DMATRIX world = MatrixOf({1, 2, 3, 901, 4, 5, 6, 902, 7, 8, 9, 903, 10, 11, 12, 904});
  const float light[3] = {0.5f, -0.25f, 2};
  const std::vector<HostCall> calls = RenderObject(world, light);

  const float firstLightDir[4] = {0, 0, 0, 0};  // nothing stored before the first object
  const std::vector<HostCall> expected =
      ComparableTrace(ExpectedTransformCalls(&frame_.world, scene_, firstLightDir));
  ASSERT_EQ(calls.size(), expected.size());
  // Everything but the inverse view is exact: the game's own matrices and the world's columns.
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (i == 8) continue;
    EXPECT_EQ(calls[i], expected[i]) << "call " << i;
  }
  EXPECT_THAT(Uploads(calls)[2].values, testing::ElementsAre(1, 4, 7, 10, 2, 5, 8, 11, 3, 6, 9, 12));

  // c10 to c12: the inverse view's columns, its eye position in w, within single-precision rounding.
  const std::vector<Upload> uploads = Uploads(calls);
  ASSERT_EQ(uploads.size(), 5u);
  EXPECT_EQ(uploads[3].firstRegister, 10u);
  EXPECT_EQ(uploads[3].count, 3u);
  const std::vector<Upload> wanted = Uploads({expected[8]});
  ASSERT_EQ(uploads[3].values.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_NEAR(uploads[3].values[i], wanted[0].values[i], 1e-5f * (1 + std::fabs(wanted[0].values[i])))
        << "component " << i;
  }
}

TEST_F(TransformConstantsTest, LightDirectionIsTheOneStoredByThePreviousObject) {
  GameDevice().view = Identity;
  const float firstLight[3] = {1, 2, 3};
  const float secondLight[3] = {-4, 5, -6};
  const std::vector<Upload> first = Uploads(RenderObject(Identity, firstLight));
  const std::vector<Upload> second = Uploads(RenderObject(Identity, secondLight));
  ASSERT_EQ(first.size(), 5u);
  ASSERT_EQ(second.size(), 5u);
  EXPECT_EQ(first[4].firstRegister, 13u);
  EXPECT_THAT(first[4].values, testing::ElementsAre(0, 0, 0, 0));
  EXPECT_THAT(second[4].values, testing::ElementsAre(-1, -2, -3, 80));
}

}  // namespace
