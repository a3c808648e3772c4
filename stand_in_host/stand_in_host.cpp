#include "stand_in_host.h"

#include <cstdio>
#include <cstdlib>

#include "game_memory.h"
#include "host_functions.h"
#include "host_game.h"
#include "x86_code.h"

extern "C" char gameArea[];

namespace {

struct CallSite {
  std::uintptr_t site;
  std::uintptr_t originalTarget;
};

const CallSite CallSites[] = {
    {HostPipelineSetupCallSite, reinterpret_cast<std::uintptr_t>(&GamePipelineSetup)},
    {HostShadowRasterCallSites[0], HostRasterCreateAddress},
    {HostShadowRasterCallSites[1], HostRasterCreateAddress},
    {HostShadowRasterCallSites[2], HostRasterCreateAddress},
    {HostShadowRasterCallSites[3], HostRasterCreateAddress},
    {HostShadowRasterCallSites[4], HostRasterCreateAddress},
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "stand-in host: %s\n", what);
  std::abort();
}

}  // namespace

void StartStandInHost() {
  if (reinterpret_cast<std::uintptr_t>(gameArea) != GameAreaStart) {
    Fail("the game area is not at 0x401000: the stand-in host was linked without its linker script");
  }
  InstallHostFunctions();
  for (const CallSite& callSite : CallSites) WriteCallSiteThunk(callSite.site, callSite.originalTarget);

  DWORD previous;
  if (!VirtualProtect(reinterpret_cast<void*>(GameCodeStart), GameCodeEnd - GameCodeStart, PAGE_EXECUTE_READ,
                      &previous)) {
    Fail("cannot make the game's code area execute-read");
  }
  FlushInstructionCache(GetCurrentProcess(), reinterpret_cast<void*>(GameCodeStart),
                        GameCodeEnd - GameCodeStart);
}

HostCallSiteFunction HostCallSite(std::uintptr_t site) {
  return reinterpret_cast<HostCallSiteFunction>(site - CallSiteThunkLead);
}

std::string ProgramFolderFile(const char* fileName) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

HMODULE LoadPlugin(const char* fileName) {
  return LoadLibraryA(ProgramFolderFile(fileName).c_str());
}
