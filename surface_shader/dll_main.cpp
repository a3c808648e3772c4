#include <windows.h>

#include "host_game.h"
#include "redirect_host_call.h"
#include "surface_pipeline_setup.h"

// Runs at process attach and at every thread attach and detach, writing the same displacement again each
// time; the game must load the plug-in before it sets up its render pipelines.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  RedirectHostCall(HostPipelineSetupCallSite, reinterpret_cast<const void*>(&SetupSurfacePipeline));
  return TRUE;
}
