#include "redirect_host_call.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr unsigned char CallRel32Opcode = 0xE8;
constexpr std::uintptr_t DisplacementSize = 4;

bool IsReadableCommitted(std::uintptr_t address) {
  MEMORY_BASIC_INFORMATION region;
  if (VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) != sizeof region)
    return false;
  if (region.State != MEM_COMMIT) return false;
  if (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
  return (region.Protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
}

// The opcode byte and the displacement field, five bytes that may straddle a page boundary.
bool HoldsRelativeCall(std::uintptr_t site) {
  const std::uintptr_t first = site - 1;
  const std::uintptr_t last = site + DisplacementSize - 1;
  if (!IsReadableCommitted(first) || !IsReadableCommitted(last)) return false;
  return *reinterpret_cast<const unsigned char*>(first) == CallRel32Opcode;
}

// The field may span two pages with different protections; each page keeps its own.
struct PageSpan {
  std::uintptr_t start;
  SIZE_T size;
  DWORD previous;
};

int SplitAtPageBoundary(std::uintptr_t site, PageSpan spans[2]) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const std::uintptr_t nextPage = (site / system.dwPageSize + 1) * system.dwPageSize;
  if (site + DisplacementSize <= nextPage) {
    spans[0] = {site, DisplacementSize, 0};
    return 1;
  }
  spans[0] = {site, nextPage - site, 0};
  spans[1] = {nextPage, site + DisplacementSize - nextPage, 0};
  return 2;
}

void RestoreProtection(const PageSpan* spans, int count) {
  for (int i = 0; i < count; ++i) {
    DWORD scratch;
    VirtualProtect(reinterpret_cast<void*>(spans[i].start), spans[i].size, spans[i].previous, &scratch);
  }
}

// Execute permission stays on throughout: other game threads may be running code on these pages.
bool MakeWritable(PageSpan* spans, int count) {
  for (int i = 0; i < count; ++i) {
    if (!VirtualProtect(reinterpret_cast<void*>(spans[i].start), spans[i].size, PAGE_EXECUTE_READWRITE,
                        &spans[i].previous)) {
      RestoreProtection(spans, i);
      return false;
    }
  }
  return true;
}

void PinModuleOf(const void* hook) {
  HMODULE module;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     static_cast<LPCWSTR>(hook), &module);
}

}  // namespace

void RedirectHostCall(std::uintptr_t site, const void* hook) {
  if (!HoldsRelativeCall(site)) return;

  PageSpan spans[2];
  const int spanCount = SplitAtPageBoundary(site, spans);
  if (!MakeWritable(spans, spanCount)) return;

  // Unsigned arithmetic wraps modulo 2^32, giving the two's complement of a backward displacement.
  const std::uint32_t displacement =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hook) - (site + DisplacementSize));
  std::memcpy(reinterpret_cast<void*>(site), &displacement, sizeof displacement);

  RestoreProtection(spans, spanCount);
  FlushInstructionCache(GetCurrentProcess(), reinterpret_cast<const void*>(site), DisplacementSize);
  PinModuleOf(hook);
}
