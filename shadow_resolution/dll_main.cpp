#include <windows.h>

#include "shadow_hooks.h"
#include "shadow_settings.h"

// Runs at process attach and at every thread attach and detach: each run reads the ini again, so an edited
// size applies to shadow rasters created after the game's next thread start or end, and writes the same
// displacements again.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  LoadShadowSettings();
  InstallShadowHooks();
  return TRUE;
}
