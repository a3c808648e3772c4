// The game's pipeline set-up call, redirected into surface_shader.dll: the textures it loads through the
// game, the objects it creates and the render callback it installs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dds_files.h"
#include "game_code.h"
#include "plugin_module.h"
#include "scratch_folder.h"
#include "stand_in_host.h"
#include "surface_plugin_fixture.h"
#include "surface_shader_code.h"

namespace {

using testing::ElementsAreArray;

std::vector<std::uint8_t> Bytes(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return {bytes, bytes + size};
}

// Position, normal, texture coordinate, tangent and binormal, three floats each, then D3DDECL_END.
const std::uint8_t DeclarationBytes[48] = {
    0,    0, 0,  0, 2,    0, 0, 0,  //
    0,    0, 12, 0, 2,    0, 3, 0,  //
    0,    0, 24, 0, 2,    0, 5, 0,  //
    0,    0, 36, 0, 2,    0, 6, 0,  //
    0,    0, 48, 0, 2,    0, 7, 0,  //
    0xFF, 0, 0,  0, 0x11, 0, 0, 0,
};

std::uint32_t Word(const void* pointer) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

enum class TextureLoad { Missing, Unreadable, Loaded };

// The game calls one texture's load makes, with the stream, raster and texture the game handed out.
void AppendTextureLoad(std::vector<HostCall>& expected, const char* path, TextureLoad load,
                       const std::vector<HostCall>& trace, const std::vector<std::uint32_t>& results) {
  const std::size_t open = expected.size();
  expected.push_back({HostFunction::StreamOpen, {2, 1, 0}, {}, path});
  if (load == TextureLoad::Missing || open + 1 >= trace.size()) return;
  const std::uint32_t stream = results[open];
  expected.push_back({HostFunction::ReadRasterFromStream, {stream}, {}, {}});
  expected.push_back({HostFunction::StreamClose, {stream, 0}, {}, {}});
  if (load == TextureLoad::Loaded)
    expected.push_back({HostFunction::TextureCreate, {results[open + 1]}, {}, {}});
}

std::vector<HostCall> ExpectedSetup(TextureLoad cubeMap, TextureLoad normalMap,
                                    const std::vector<HostCall>& trace,
                                    const std::vector<std::uint32_t>& results) {
  std::vector<HostCall> expected;
  AppendTextureLoad(expected, CubeMapPath, cubeMap, trace, results);
  AppendTextureLoad(expected, NormalMapPath, normalMap, trace, results);
  expected.push_back({HostFunction::CreateVertexShader,
                      {0, 0},
                      Bytes(SurfaceVertexShaderCode, SurfaceVertexShaderCodeSize),
                      {}});
  expected.push_back({HostFunction::CreatePixelShader,
                      {0, 0},
                      Bytes(SurfacePixelShaderCode, SurfacePixelShaderCodeSize),
                      {}});
  expected.push_back(
      {HostFunction::CreateVertexDeclaration, {0, 0}, Bytes(DeclarationBytes, sizeof DeclarationBytes), {}});
  expected.push_back({HostFunction::InstallRenderCallback, {PipelineArgument, 0}, {}, {}});
  return expected;
}

std::uint32_t TextureSetting(HostTexture* texture) {
  return ReadHostField<std::uint32_t>(texture, HostTextureSettingOffset);
}

// The handles a render callback binds: stages 1 and 2, the shaders and the declaration.
void ExpectCallbackBinds(const SetupHandles& handles) {
  StandInFrame frame{};
  StandInObject object{0, &frame};
  StandInCamera camera{0, &frame};
  SetActiveCamera(&camera);
  StandInMaterial material{};
  std::vector<std::uint8_t> entry =
      BuildResourceEntry({nullptr, D3DPT_TRIANGLELIST, 0, {{&material, 0, 3, 0, 1}}});

  ResetHostCallTrace();
  GameRenderCallback().callback(reinterpret_cast<HostResourceEntry*>(entry.data()),
                                reinterpret_cast<HostObject*>(&object), 0, 0);
  const std::vector<HostCall> trace = HostCallTrace();
  auto called = [&](HostFunction function, std::vector<std::uint32_t> arguments) {
    EXPECT_THAT(trace, testing::Contains(HostCall{function, std::move(arguments), {}, {}}))
        << HostFunctionName(function);
  };
  called(HostFunction::SetTexture, {Word(handles.normalMap), 1});
  called(HostFunction::SetTexture, {Word(handles.cubeMap), 2});
  called(HostFunction::SetVertexShader, {Word(handles.vertexShader)});
  called(HostFunction::SetPixelShader, {Word(handles.pixelShader)});
  called(HostFunction::SetVertexDeclaration, {Word(handles.declaration)});
}

TEST_F(SurfacePluginTest, WithoutThePluginTheGameSetsUpItsOwnPipeline) {
  RunSetup();
  EXPECT_THAT(HostCallTrace(),
              ElementsAreArray({HostCall{HostFunction::PipelineSetup, {PipelineArgument}, {}, {}}}));
}

struct LoadBase {
  const char* name;
  bool squatted;  // another DLL holds the preferred base, so the plug-in is relocated
};

class SurfaceRedirectTest : public SurfacePluginTest, public testing::WithParamInterface<LoadBase> {};

TEST_P(SurfaceRedirectTest, TheSetupCallReachesThePluginAtAnyBase) {
  if (GetParam().squatted) {
    ASSERT_EQ(LoadPlugin("base_squatter.dll"), reinterpret_cast<HMODULE>(0x10000000));
  }
  const GameCodeSnapshot before = SnapshotGameCode();
  HMODULE module = LoadSurfacePlugin();
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module == reinterpret_cast<HMODULE>(0x10000000), !GetParam().squatted);

  EXPECT_TRUE(ModuleContains(module, CallTarget(HostPipelineSetupCallSite)));
  const std::vector<std::uintptr_t> field = {HostPipelineSetupCallSite, HostPipelineSetupCallSite + 1,
                                             HostPipelineSetupCallSite + 2, HostPipelineSetupCallSite + 3};
  EXPECT_EQ(ChangedCodeBytes(before, SnapshotGameCode()), field);

  ResetHostCallTrace();
  EXPECT_EQ(RunSetup(), GameRenderCallbackInstalled);
  EXPECT_THAT(
      HostCallTrace(),
      testing::Not(testing::Contains(testing::Field(&HostCall::function, HostFunction::PipelineSetup))));
  EXPECT_TRUE(ModuleContains(module, reinterpret_cast<std::uintptr_t>(GameRenderCallback().callback)));
}

INSTANTIATE_TEST_SUITE_P(Bases, SurfaceRedirectTest,
                         testing::Values(LoadBase{"PreferredBase", false}, LoadBase{"Relocated", true}),
                         [](const testing::TestParamInfo<LoadBase>& test) { return test.param.name; });

DWORD WINAPI ClearSetupDisplacement(LPVOID) {
  PatchGameCode(HostPipelineSetupCallSite, std::vector<std::uint8_t>(4, 0));
  return 0;
}

TEST_F(SurfacePluginTest, ThreadStartAndEndRedirectTheSetupCallAgain) {
  HMODULE module = LoadSurfacePlugin();
  ASSERT_NE(module, nullptr);
  const std::uintptr_t hook = CallTarget(HostPipelineSetupCallSite);
  // The thread clears the field after its attach ran; its detach redirects it again.
  HANDLE thread = CreateThread(nullptr, 0, ClearSetupDisplacement, nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(CallTarget(HostPipelineSetupCallSite), hook);
}

TEST_F(SurfacePluginTest, SetupLoadsTexturesCreatesObjectsAndInstallsTheCallback) {
  WriteTextureFiles();
  ASSERT_NE(LoadSurfacePlugin(), nullptr);
  ResetHostCallTrace();
  const std::uint32_t result = RunSetup();
  const std::vector<HostCall> trace = HostCallTrace();
  const std::vector<std::uint32_t> results = HostCallResults();

  EXPECT_EQ(result, GameRenderCallbackInstalled) << "the game's result did not come back unchanged";
  EXPECT_THAT(ComparableTrace(trace),
              ElementsAreArray(ExpectedSetup(TextureLoad::Loaded, TextureLoad::Loaded, trace, results)));
  EXPECT_EQ(OpenGameStreamCount(), 0);

  const SetupHandles handles = HandlesOfSetup(trace, results);
  ASSERT_NE(handles.cubeMap, nullptr);
  ASSERT_NE(handles.normalMap, nullptr);
  EXPECT_EQ(TextureSetting(handles.cubeMap), 2u);
  EXPECT_EQ(TextureSetting(handles.normalMap), 2u);
  EXPECT_EQ(reinterpret_cast<const StandInTexture*>(handles.cubeMap)->raster->info.ResourceType,
            D3DRTYPE_CUBETEXTURE);
  EXPECT_EQ(reinterpret_cast<const StandInTexture*>(handles.normalMap)->raster->info.ResourceType,
            D3DRTYPE_TEXTURE);
  EXPECT_EQ(GameRenderCallback().pipeline, reinterpret_cast<void*>(PipelineArgument));
  ExpectCallbackBinds(handles);
}

TEST_F(SurfacePluginTest, ASecondSetupReplacesAllFiveHandles) {
  const SetupHandles first = LoadAndSetUp();
  ResetHostCallTrace();
  RunSetup();
  const SetupHandles second = HandlesOfSetup(HostCallTrace(), HostCallResults());

  EXPECT_NE(second.cubeMap, first.cubeMap);
  EXPECT_NE(second.normalMap, first.normalMap);
  EXPECT_NE(second.vertexShader, first.vertexShader);
  EXPECT_NE(second.pixelShader, first.pixelShader);
  EXPECT_NE(second.declaration, first.declaration);
  ExpectCallbackBinds(second);
}

TEST_F(SurfacePluginTest, AFailedReloadLeavesThatTextureNullNotTheEarlierOne) {
  LoadAndSetUp();
  DeleteFileA(NormalMapFile);
  ResetHostCallTrace();
  RunSetup();
  const SetupHandles second = HandlesOfSetup(HostCallTrace(), HostCallResults());
  EXPECT_NE(second.cubeMap, nullptr);
  EXPECT_EQ(second.normalMap, nullptr);
  ExpectCallbackBinds(second);
}

TEST_F(SurfacePluginTest, ATextureTheGameCannotCreateStaysNull) {
  WriteTextureFiles();
  SetHostBehaviour(HostFunction::TextureCreate, [](const HostCall&) { return 0u; });
  ASSERT_NE(LoadSurfacePlugin(), nullptr);
  ResetHostCallTrace();
  EXPECT_EQ(RunSetup(), GameRenderCallbackInstalled);
  const SetupHandles handles = HandlesOfSetup(HostCallTrace(), HostCallResults());
  EXPECT_EQ(handles.cubeMap, nullptr);
  EXPECT_EQ(handles.normalMap, nullptr);
  ExpectCallbackBinds(handles);
}

enum class TextureFile { None, Empty, Corrupt, Cube, Plain };

void WriteTextureFile(const char* path, TextureFile file) {
  switch (file) {
    case TextureFile::None:
      return;
    case TextureFile::Empty:
      return WriteTextFile(path, "");
    case TextureFile::Corrupt:
      return WriteTextFile(path, "DDS this is not an image");
    case TextureFile::Cube:
      return WriteTextFile(path, DdsCubeFile());
    case TextureFile::Plain:
      return WriteTextFile(path, Dds2DFile());
  }
}

struct TextureFileCase {
  const char* name;
  TextureFile cubeMap;
  TextureFile normalMap;
  TextureLoad cubeMapLoad;
  TextureLoad normalMapLoad;
};

const TextureFileCase TextureFileCases[] = {
    {"BothMissing", TextureFile::None, TextureFile::None, TextureLoad::Missing, TextureLoad::Missing},
    {"CubeMapMissing", TextureFile::None, TextureFile::Plain, TextureLoad::Missing, TextureLoad::Loaded},
    {"NormalMapMissing", TextureFile::Cube, TextureFile::None, TextureLoad::Loaded, TextureLoad::Missing},
    {"CubeMapEmpty", TextureFile::Empty, TextureFile::Plain, TextureLoad::Unreadable, TextureLoad::Loaded},
    {"NormalMapEmpty", TextureFile::Cube, TextureFile::Empty, TextureLoad::Loaded, TextureLoad::Unreadable},
    {"CubeMapCorrupt", TextureFile::Corrupt, TextureFile::Plain, TextureLoad::Unreadable,
     TextureLoad::Loaded},
    {"NormalMapCorrupt", TextureFile::Cube, TextureFile::Corrupt, TextureLoad::Loaded,
     TextureLoad::Unreadable},
    // The game's reader takes any image; the cube map's stage then holds a 2D texture.
    {"CubeMapIs2D", TextureFile::Plain, TextureFile::Plain, TextureLoad::Loaded, TextureLoad::Loaded},
};

class BadTextureFileTest : public SurfacePluginTest, public testing::WithParamInterface<TextureFileCase> {};

TEST_P(BadTextureFileTest, SetupGoesOnWithTheTextureNull) {
  const TextureFileCase& files = GetParam();
  WriteTextureFile(CubeMapFile, files.cubeMap);
  WriteTextureFile(NormalMapFile, files.normalMap);
  ASSERT_NE(LoadSurfacePlugin(), nullptr);
  ResetHostCallTrace();
  const std::uint32_t result = RunSetup();
  const std::vector<HostCall> trace = HostCallTrace();
  const std::vector<std::uint32_t> results = HostCallResults();

  EXPECT_EQ(result, GameRenderCallbackInstalled);
  EXPECT_THAT(ComparableTrace(trace),
              ElementsAreArray(ExpectedSetup(files.cubeMapLoad, files.normalMapLoad, trace, results)));
  EXPECT_EQ(OpenGameStreamCount(), 0) << "a stream was left open";
  const SetupHandles handles = HandlesOfSetup(trace, results);
  EXPECT_EQ(handles.cubeMap != nullptr, files.cubeMapLoad == TextureLoad::Loaded);
  EXPECT_EQ(handles.normalMap != nullptr, files.normalMapLoad == TextureLoad::Loaded);
  for (HostTexture* texture : {handles.cubeMap, handles.normalMap}) {
    if (texture) {
      EXPECT_EQ(TextureSetting(texture), 2u);
    }
  }
  ExpectCallbackBinds(handles);
}

INSTANTIATE_TEST_SUITE_P(Files, BadTextureFileTest, testing::ValuesIn(TextureFileCases),
                         [](const testing::TestParamInfo<TextureFileCase>& test) { return test.param.name; });

}  // namespace
