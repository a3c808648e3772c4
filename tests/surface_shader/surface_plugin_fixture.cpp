#include "surface_plugin_fixture.h"

#include <cstring>

#include "dds_files.h"
#include "scratch_folder.h"
#include "stand_in_host.h"

namespace {

bool CarriesFloats(HostFunction function) {
  switch (function) {
    case HostFunction::SetLight:
    case HostFunction::SetMaterial:
    case HostFunction::SetWorldMatrix:
    case HostFunction::SetVertexShaderConstant:
    case HostFunction::SetPixelShaderConstant:
      return true;
    default:
      return false;
  }
}

// Which arguments point into the plug-in: its path strings, code arrays, globals and locals.
std::vector<std::size_t> PluginAddressArguments(HostFunction function) {
  switch (function) {
    case HostFunction::StreamOpen:
      return {2};
    case HostFunction::CreateVertexShader:
    case HostFunction::CreatePixelShader:
    case HostFunction::CreateVertexDeclaration:
      return {0, 1};
    case HostFunction::InstallRenderCallback:
    case HostFunction::GetRenderState:
    case HostFunction::GetLight:
    case HostFunction::SetLight:
    case HostFunction::GetTransform:
    case HostFunction::SetVertexShaderConstant:
    case HostFunction::SetPixelShaderConstant:
      return {1};
    case HostFunction::SetMaterial:
    case HostFunction::GetWorldViewProj:
    case HostFunction::GetWorldIT:
      return {0};
    default:
      return {};
  }
}

constexpr std::uint32_t NegativeZero = 0x80000000;

}  // namespace

std::vector<HostCall> ComparableTrace(const std::vector<HostCall>& trace) {
  std::vector<HostCall> comparable = trace;
  for (HostCall& call : comparable) {
    for (std::size_t argument : PluginAddressArguments(call.function)) {
      if (argument < call.arguments.size()) call.arguments[argument] = 0;
    }
    if (!CarriesFloats(call.function)) continue;
    for (std::size_t i = 0; i + sizeof(std::uint32_t) <= call.data.size(); i += sizeof(std::uint32_t)) {
      std::uint32_t word;
      std::memcpy(&word, &call.data[i], sizeof word);
      if (word == NegativeZero) std::memset(&call.data[i], 0, sizeof word);
    }
  }
  return comparable;
}

void SurfacePluginTest::SetUp() {
  EnterScratchFolder();
  InstallGameBehaviours();
}

HMODULE SurfacePluginTest::LoadSurfacePlugin() {
  HMODULE module = LoadPlugin("surface_shader.dll");
  EXPECT_NE(module, nullptr) << "cannot load surface_shader.dll";
  return module;
}

void SurfacePluginTest::WriteTextureFiles() {
  WriteTextFile(CubeMapFile, DdsCubeFile());
  WriteTextFile(NormalMapFile, Dds2DFile());
}

std::uint32_t SurfacePluginTest::RunSetup() {
  return HostCallSite(HostPipelineSetupCallSite)(PipelineArgument, 0, 0, 0);
}

SetupHandles SurfacePluginTest::HandlesOfSetup(const std::vector<HostCall>& trace,
                                               const std::vector<std::uint32_t>& results) {
  // One texture per stream opened, the cube map first; a load that stopped early created no record.
  std::vector<HostTexture*> textures;
  for (std::size_t i = 0; i < trace.size(); ++i) {
    if (trace[i].function == HostFunction::StreamOpen) textures.push_back(nullptr);
    if (trace[i].function == HostFunction::TextureCreate && !textures.empty()) {
      textures.back() = reinterpret_cast<HostTexture*>(static_cast<std::uintptr_t>(results[i]));
    }
  }
  const std::vector<HostHandle> objects = GameCreatedObjects();
  EXPECT_EQ(textures.size(), 2u);
  EXPECT_GE(objects.size(), 3u);
  if (textures.size() != 2 || objects.size() < 3) return {};
  const std::size_t last = objects.size() - 3;
  return {textures[0], textures[1], objects[last], objects[last + 1], objects[last + 2]};
}

SetupHandles SurfacePluginTest::LoadAndSetUp() {
  WriteTextureFiles();
  EXPECT_NE(LoadSurfacePlugin(), nullptr);
  ResetHostCallTrace();
  RunSetup();
  EXPECT_NE(GameRenderCallback().callback, nullptr) << "set-up installed no render callback";
  return HandlesOfSetup(HostCallTrace(), HostCallResults());
}
