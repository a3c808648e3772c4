// The shipped settings file reads, through the same Windows profile service the shadow plug-in uses, as
// the default shadow size: its comments do not disturb the section or the key.
#include <windows.h>

#include <gtest/gtest.h>

#include "shipped_resources.h"

namespace {

TEST(ShippedSettings, GiveTheDefaultShadowResolution) {
  const std::string path = ShippedResourcePath("orv_shadows.ini");
  constexpr INT Missing = -1;
  constexpr UINT DefaultShadowResolution = 128;
  EXPECT_EQ(GetPrivateProfileIntA("pedshadows", "res", Missing, path.c_str()), DefaultShadowResolution)
      << path;
}

}  // namespace
