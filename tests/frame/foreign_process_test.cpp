// A process that is not the game build the plug-ins are made for: at the game's call sites lies whatever
// this process happens to have there (free address space, Wine's own mappings, heap). Loading a plug-in
// must change none of it and must not crash.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

#include "host_game.h"

namespace {

struct SiteState {
  MEMORY_BASIC_INFORMATION region;
  std::vector<std::uint8_t> bytes;  // the call's five bytes, where they can be read
};

bool Readable(const MEMORY_BASIC_INFORMATION& region) {
  constexpr DWORD ReadableProtections = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                        PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return region.State == MEM_COMMIT && (region.Protect & ReadableProtections) &&
         !(region.Protect & PAGE_GUARD);
}

SiteState StateAt(std::uintptr_t site) {
  SiteState state{};
  VirtualQuery(reinterpret_cast<const void*>(site), &state.region, sizeof state.region);
  const auto regionEnd = reinterpret_cast<std::uintptr_t>(state.region.BaseAddress) + state.region.RegionSize;
  if (Readable(state.region) && site + 4 <= regionEnd) {
    const auto* call = reinterpret_cast<const std::uint8_t*>(site - 1);
    state.bytes.assign(call, call + 5);
  }
  return state;
}

TEST(ForeignProcess, LoadingLeavesWhateverLiesAtTheCallSites) {
  // Image base 0x20000000 keeps this program itself away from the game's addresses.
  ASSERT_EQ(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr)), 0x20000000u);
  std::vector<std::uintptr_t> sites(std::begin(HostShadowRasterCallSites),
                                    std::end(HostShadowRasterCallSites));
  sites.push_back(HostPipelineSetupCallSite);

  std::vector<SiteState> before;
  for (std::uintptr_t site : sites) before.push_back(StateAt(site));

  ASSERT_NE(LoadLibraryA("shadow_resolution.dll"), nullptr);

  for (std::size_t i = 0; i < sites.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "site 0x" << std::hex << sites[i]);
    const SiteState after = StateAt(sites[i]);
    EXPECT_EQ(after.region.State, before[i].region.State);
    EXPECT_EQ(after.region.Protect, before[i].region.Protect);
    EXPECT_EQ(after.bytes, before[i].bytes);
  }
}

}  // namespace
