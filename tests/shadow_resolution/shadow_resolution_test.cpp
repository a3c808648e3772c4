// shadow_resolution.dll loaded into the stand-in game, driven through the game's five shadow raster
// call sites.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game_code.h"
#include "host_call_trace.h"
#include "host_game.h"
#include "plugin_module.h"
#include "scratch_folder.h"
#include "stand_in_host.h"

namespace {

constexpr char PluginFile[] = "shadow_resolution.dll";
constexpr char IniFile[] = "extra_resources/orv_shadows.ini";
constexpr std::uint32_t GameRasterResult = 0x0DA7A000;
constexpr int DefaultResolution = 128;

// What the game asks for at a shadow site: a size the plug-in must override, and two arguments it must
// pass through.
constexpr int RequestedWidth = 64;
constexpr int RequestedHeight = 32;
constexpr std::uint32_t Third = 0x11223344;
constexpr std::uint32_t Fourth = 0x55667788;

DWORD WINAPI DoNothing(LPVOID) {
  return 0;
}

// Puts the game's own displacement back at a site, as if the plug-in had never written it.
DWORD WINAPI ClearDisplacement(LPVOID site) {
  PatchGameCode(reinterpret_cast<std::uintptr_t>(site), std::vector<std::uint8_t>(4, 0));
  return 0;
}

// Runs a thread to its end: the plug-in sees a thread attach and a thread detach.
void RunThread(LPTHREAD_START_ROUTINE body, LPVOID argument = nullptr) {
  HANDLE thread = CreateThread(nullptr, 0, body, argument, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

class ShadowResolutionTest : public testing::Test {
 protected:
  void SetUp() override {
    EnterScratchFolder();
    // The game's raster creation answers with a value derived from the width, so a test sees both the
    // size that reached the game and that its result came back unchanged.
    SetHostBehaviour(HostFunction::RasterCreate,
                     [](const HostCall& call) { return GameRasterResult + call.arguments[0]; });
  }

  static HMODULE LoadShadowPlugin() {
    HMODULE module = LoadPlugin(PluginFile);
    EXPECT_NE(module, nullptr) << "cannot load " << PluginFile;
    return module;
  }

  // Executes the game's raster creation at `site` and returns the size the game was asked for.
  static int CreateShadowRaster(std::uintptr_t site) {
    ResetHostCallTrace();
    const std::uint32_t result = HostCallSite(site)(RequestedWidth, RequestedHeight, Third, Fourth);
    const std::vector<HostCall> trace = HostCallTrace();
    EXPECT_EQ(trace.size(), 1u);
    if (trace.size() != 1) return -1;
    const HostCall& call = trace[0];
    EXPECT_EQ(call.function, HostFunction::RasterCreate);
    EXPECT_EQ(call.arguments[0], call.arguments[1]) << "width and height differ";
    EXPECT_EQ(call.arguments[2], Third);
    EXPECT_EQ(call.arguments[3], Fourth);
    EXPECT_EQ(result, GameRasterResult + call.arguments[0])
        << "the game's result did not come back unchanged";
    return static_cast<int>(call.arguments[0]);
  }

  static void ExpectAllSitesCreate(int resolution) {
    for (std::uintptr_t site : HostShadowRasterCallSites) {
      EXPECT_EQ(CreateShadowRaster(site), resolution) << "site 0x" << std::hex << site;
    }
  }
};

TEST_F(ShadowResolutionTest, WithoutThePluginTheGameCreatesTheSizeItAsksFor) {
  for (std::uintptr_t site : HostShadowRasterCallSites) {
    ASSERT_EQ(CallTarget(site), HostRasterCreateAddress);
    ResetHostCallTrace();
    HostCallSite(site)(RequestedWidth, RequestedHeight, Third, Fourth);
    EXPECT_THAT(HostCallTrace(),
                testing::ElementsAre(HostCall{
                    HostFunction::RasterCreate, {RequestedWidth, RequestedHeight, Third, Fourth}, {}, {}}));
  }
}

TEST_F(ShadowResolutionTest, EverySiteReachesOneHookInsideThePlugin) {
  HMODULE module = LoadShadowPlugin();
  ASSERT_NE(module, nullptr);
  const std::uintptr_t hook = CallTarget(HostShadowRasterCallSites[0]);
  EXPECT_TRUE(ModuleContains(module, hook));
  for (std::uintptr_t site : HostShadowRasterCallSites) {
    EXPECT_EQ(CallTarget(site), hook) << "site 0x" << std::hex << site;
  }
  ExpectAllSitesCreate(DefaultResolution);
}

TEST_F(ShadowResolutionTest, RelocatedPluginStillReachesItsHook) {
  HMODULE squatter = LoadPlugin("base_squatter.dll");
  ASSERT_EQ(reinterpret_cast<std::uintptr_t>(squatter), 0x10000000u) << "the squatter did not take the base";
  WriteTextFile(IniFile, "[pedshadows]\nres=256\n");

  HMODULE module = LoadShadowPlugin();
  ASSERT_NE(module, nullptr);
  ASSERT_NE(module, squatter);
  for (std::uintptr_t site : HostShadowRasterCallSites) {
    EXPECT_TRUE(ModuleContains(module, CallTarget(site))) << "site 0x" << std::hex << site;
  }
  ExpectAllSitesCreate(256);
}

TEST_F(ShadowResolutionTest, OnlyTheFiveDisplacementFieldsChange) {
  const GameCodeSnapshot before = SnapshotGameCode();
  ASSERT_NE(LoadShadowPlugin(), nullptr);
  const GameCodeSnapshot after = SnapshotGameCode();

  std::vector<std::uintptr_t> fields;
  for (std::uintptr_t site : HostShadowRasterCallSites) {
    for (std::uintptr_t byte = site; byte < site + 4; ++byte) fields.push_back(byte);
  }
  // Each displacement changes in all its bytes: the hook lies far from the game's code.
  EXPECT_EQ(ChangedCodeBytes(before, after), fields);
  EXPECT_EQ(after.protections, before.protections);
}

TEST_F(ShadowResolutionTest, ThreadAttachAndDetachWriteTheSameDisplacementsAgain) {
  ASSERT_NE(LoadShadowPlugin(), nullptr);
  const GameCodeSnapshot loaded = SnapshotGameCode();
  const std::uintptr_t site = HostShadowRasterCallSites[2];

  // Attach: a field put back to a zero displacement is redirected again when a thread starts.
  ClearDisplacement(reinterpret_cast<LPVOID>(site));
  RunThread(DoNothing);
  EXPECT_TRUE(ChangedCodeBytes(loaded, SnapshotGameCode()).empty());

  // Detach: the thread clears the field after its own attach ran; only its detach can redirect it again.
  RunThread(ClearDisplacement, reinterpret_cast<LPVOID>(site));
  const GameCodeSnapshot afterDetach = SnapshotGameCode();
  EXPECT_TRUE(ChangedCodeBytes(loaded, afterDetach).empty());
  EXPECT_EQ(afterDetach.protections, loaded.protections);
}

TEST_F(ShadowResolutionTest, AThreadStartRereadsTheIni) {
  WriteTextFile(IniFile, "[pedshadows]\nres=256\n");
  ASSERT_NE(LoadShadowPlugin(), nullptr);
  ExpectAllSitesCreate(256);

  WriteTextFile(IniFile, "[pedshadows]\nres=1024\n");
  ExpectAllSitesCreate(256);  // nothing re-reads the file until a thread starts or ends

  RunThread(DoNothing);
  ExpectAllSitesCreate(1024);
}

TEST_F(ShadowResolutionTest, FreeLibraryLeavesTheRedirectsWorking) {
  HMODULE module = LoadShadowPlugin();
  ASSERT_NE(module, nullptr);
  FreeLibrary(module);
  FreeLibrary(module);

  const std::uintptr_t hook = CallTarget(HostShadowRasterCallSites[0]);
  EXPECT_EQ(ModuleAt(hook), module) << "the plug-in was unloaded while the game still calls it";
  ExpectAllSitesCreate(DefaultResolution);
}

TEST_F(ShadowResolutionTest, ASiteWithoutACallInstructionIsLeftAlone) {
  const std::uintptr_t site = HostShadowRasterCallSites[1];
  constexpr std::uint8_t Nop = 0x90;
  PatchGameCode(site - 1, {Nop});
  const GameCodeSnapshot before = SnapshotGameCode();

  ASSERT_NE(LoadShadowPlugin(), nullptr);
  const std::vector<std::uintptr_t> changed = ChangedCodeBytes(before, SnapshotGameCode());
  for (std::uintptr_t byte = site - 1; byte < site + 4; ++byte) {
    EXPECT_THAT(changed, testing::Not(testing::Contains(byte)));
  }
  EXPECT_EQ(changed.size(), 4u * 4u) << "the other four sites are still redirected";
}

TEST_F(ShadowResolutionTest, AnUnreadableSiteIsLeftAloneWithoutACrash) {
  const std::uintptr_t site = HostShadowRasterCallSites[0];
  DWORD previous;
  ASSERT_TRUE(VirtualProtect(reinterpret_cast<void*>(site), 1, PAGE_NOACCESS, &previous));
  const std::uintptr_t page = site & ~std::uintptr_t{0xFFF};

  ASSERT_NE(LoadShadowPlugin(), nullptr);

  MEMORY_BASIC_INFORMATION region;
  VirtualQuery(reinterpret_cast<const void*>(site), &region, sizeof region);
  EXPECT_EQ(region.Protect, static_cast<DWORD>(PAGE_NOACCESS));
  VirtualProtect(reinterpret_cast<void*>(page), 1, previous, &previous);
  EXPECT_EQ(CallTarget(site), HostRasterCreateAddress);
  EXPECT_EQ(CreateShadowRaster(HostShadowRasterCallSites[1]), DefaultResolution);
}

struct IniCase {
  const char* name;
  const char* content;  // null: no ini file at all
  int expected;
};

class ShadowIniTest : public ShadowResolutionTest, public testing::WithParamInterface<IniCase> {};

TEST_P(ShadowIniTest, ForcesTheConfiguredSize) {
  if (GetParam().content) WriteTextFile(IniFile, GetParam().content);
  ASSERT_NE(LoadShadowPlugin(), nullptr);
  ExpectAllSitesCreate(GetParam().expected);
}

const IniCase IniCases[] = {
    {"NoFile", nullptr, 128},
    {"EmptyFile", "", 128},
    {"OtherSection", "[vehicleshadows]\nres=512\n", 128},
    {"MisspeltKey", "[pedshadows]\nresolution=512\n", 128},
    {"Configured", "; shadow size\n[pedshadows]\nres=512\n", 512},
    {"NotAPowerOfTwo", "[pedshadows]\nres=300\n", 300},
    {"Large", "[pedshadows]\nres=8192\n", 8192},
    {"Zero", "[pedshadows]\nres=0\n", 128},
    {"Negative", "[pedshadows]\nres=-5\n", 128},
    {"NotANumber", "[pedshadows]\nres=high\n", 128},
    {"SpacesAndCase", "[PedShadows]\n  RES = 64\n", 64},
};

INSTANTIATE_TEST_SUITE_P(Settings, ShadowIniTest, testing::ValuesIn(IniCases),
                         [](const testing::TestParamInfo<IniCase>& test) { return test.param.name; });

}  // namespace
