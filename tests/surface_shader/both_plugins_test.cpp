// Both plug-ins installed in one game: whichever loads second is relocated, and each still does its work.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game_code.h"
#include "plugin_module.h"
#include "stand_in_host.h"
#include "surface_plugin_fixture.h"

namespace {

struct LoadOrder {
  const char* name;
  const char* first;
  const char* second;
};

class BothPluginsTest : public SurfacePluginTest, public testing::WithParamInterface<LoadOrder> {};

TEST_P(BothPluginsTest, EachWorksWhicheverLoadsFirst) {
  WriteTextureFiles();
  HMODULE first = LoadPlugin(GetParam().first);
  HMODULE second = LoadPlugin(GetParam().second);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first, reinterpret_cast<HMODULE>(0x10000000));
  EXPECT_NE(second, first);
  HMODULE surface = GetModuleHandleA("surface_shader.dll");
  HMODULE shadow = GetModuleHandleA("shadow_resolution.dll");

  EXPECT_TRUE(ModuleContains(surface, CallTarget(HostPipelineSetupCallSite)));
  ResetHostCallTrace();
  EXPECT_EQ(RunSetup(), GameRenderCallbackInstalled);
  EXPECT_THAT(HostCallTrace(),
              testing::Contains(testing::Field(&HostCall::function, HostFunction::InstallRenderCallback)));

  for (std::uintptr_t site : HostShadowRasterCallSites) {
    EXPECT_TRUE(ModuleContains(shadow, CallTarget(site)));
    ResetHostCallTrace();
    HostCallSite(site)(64, 32, 3, 4);
    EXPECT_THAT(HostCallTrace(),
                testing::ElementsAre(HostCall{HostFunction::RasterCreate, {128, 128, 3, 4}, {}, {}}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, BothPluginsTest,
    testing::Values(LoadOrder{"SurfaceFirst", "surface_shader.dll", "shadow_resolution.dll"},
                    LoadOrder{"ShadowFirst", "shadow_resolution.dll", "surface_shader.dll"}),
    [](const testing::TestParamInfo<LoadOrder>& test) { return test.param.name; });

}  // namespace
