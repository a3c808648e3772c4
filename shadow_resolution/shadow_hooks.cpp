#include "shadow_hooks.h"

#include "host_game.h"
#include "redirect_host_call.h"
#include "shadow_settings.h"

HostRaster* ShadowRasterCreateHook(int, int, int third, int fourth) {
  const int resolution = ShadowResolution.load(std::memory_order_relaxed);
  return hostRasterCreate(resolution, resolution, third, fourth);
}

void InstallShadowHooks() {
  for (std::uintptr_t site : HostShadowRasterCallSites) {
    RedirectHostCall(site, reinterpret_cast<const void*>(&ShadowRasterCreateHook));
  }
}
