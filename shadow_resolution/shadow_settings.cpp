#include "shadow_settings.h"

#include <windows.h>

namespace {

constexpr char SettingsFile[] = ".//extra_resources//orv_shadows.ini";
constexpr char SettingsSection[] = "pedshadows";
constexpr char ResolutionKey[] = "res";
constexpr int DefaultResolution = 128;

}  // namespace

std::atomic<int> ShadowResolution{DefaultResolution};

void LoadShadowSettings() {
  int resolution = static_cast<int>(
      GetPrivateProfileIntA(SettingsSection, ResolutionKey, DefaultResolution, SettingsFile));
  // A typo such as "0" or "-512" must not reach the game's raster creation as a size.
  if (resolution <= 0) resolution = DefaultResolution;
  ShadowResolution.store(resolution, std::memory_order_relaxed);
}
