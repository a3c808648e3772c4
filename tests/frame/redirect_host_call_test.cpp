// RedirectHostCall on pages laid out by the test: every protection, page boundary and pinning case that
// the game's fixed sites cannot show.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "plugin_module.h"
#include "redirect_host_call.h"

namespace {

constexpr std::uint8_t CallOpcode = 0xE8;
constexpr std::uint8_t Filler = 0xCC;  // int3, as compilers pad code
constexpr std::uint32_t OriginalDisplacement = 0x00001234;

std::uintptr_t PageSize() {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  return system.dwPageSize;
}

DWORD ProtectionAt(std::uintptr_t address) {
  MEMORY_BASIC_INFORMATION region;
  VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region);
  return region.Protect;
}

// Two pages of fake game code, reserved together, each committed (or not) with its own protection.
class CodePages {
 public:
  CodePages(DWORD firstProtection, DWORD secondProtection, bool commitSecond = true)
      : protections_{firstProtection, secondProtection}, committed_{true, commitSecond} {
    base_ =
        reinterpret_cast<std::uintptr_t>(VirtualAlloc(nullptr, 2 * PageSize(), MEM_RESERVE, PAGE_NOACCESS));
    for (int page = 0; page < 2; ++page) {
      if (!committed_[page]) continue;
      VirtualAlloc(reinterpret_cast<void*>(Page(page)), PageSize(), MEM_COMMIT, PAGE_READWRITE);
      std::memset(reinterpret_cast<void*>(Page(page)), Filler, PageSize());
    }
    ApplyProtections();
  }
  ~CodePages() { VirtualFree(reinterpret_cast<void*>(base_), 0, MEM_RELEASE); }
  CodePages(const CodePages&) = delete;
  CodePages& operator=(const CodePages&) = delete;

  std::uintptr_t base() const { return base_; }
  std::uintptr_t boundary() const { return Page(1); }

  // Writes a call instruction with the original displacement so that its field starts at `site`; bytes
  // that fall on an uncommitted page are left out.
  void PlaceCall(std::uintptr_t site) {
    std::uint8_t call[5] = {CallOpcode};
    std::memcpy(call + 1, &OriginalDisplacement, 4);
    SetAll(PAGE_READWRITE);
    for (std::uintptr_t i = 0; i < sizeof call; ++i) {
      const std::uintptr_t at = site - 1 + i;
      if (committed_[at < boundary() ? 0 : 1]) *reinterpret_cast<std::uint8_t*>(at) = call[i];
    }
    ApplyProtections();
  }

  std::uint32_t FieldAt(std::uintptr_t site) {
    SetAll(PAGE_READONLY);
    std::uint32_t field;
    std::memcpy(&field, reinterpret_cast<const void*>(site), sizeof field);
    ApplyProtections();
    return field;
  }

 private:
  std::uintptr_t Page(int page) const { return base_ + static_cast<std::uintptr_t>(page) * PageSize(); }

  void SetAll(DWORD protection) {
    for (int page = 0; page < 2; ++page) {
      DWORD previous;
      if (committed_[page])
        VirtualProtect(reinterpret_cast<void*>(Page(page)), PageSize(), protection, &previous);
    }
  }

  void ApplyProtections() {
    for (int page = 0; page < 2; ++page) {
      DWORD previous;
      if (committed_[page]) {
        VirtualProtect(reinterpret_cast<void*>(Page(page)), PageSize(), protections_[page], &previous);
      }
    }
  }

  std::uintptr_t base_ = 0;
  DWORD protections_[2];
  bool committed_[2];
};

void FakeHook() {}

TEST(RedirectHostCall, StoresTheDisplacementAndRestoresProtection) {
  CodePages pages(PAGE_EXECUTE_READ, PAGE_EXECUTE_READ);
  const std::uintptr_t site = pages.base() + 0x100;
  pages.PlaceCall(site);

  const auto hook = reinterpret_cast<std::uintptr_t>(&FakeHook);
  RedirectHostCall(site, reinterpret_cast<const void*>(hook));

  EXPECT_EQ(pages.FieldAt(site), static_cast<std::uint32_t>(hook - (site + 4)));
  EXPECT_EQ(ProtectionAt(site), static_cast<DWORD>(PAGE_EXECUTE_READ));
  EXPECT_EQ(*reinterpret_cast<const std::uint8_t*>(site - 1), CallOpcode);
  EXPECT_EQ(*reinterpret_cast<const std::uint8_t*>(site + 4), Filler);
}

TEST(RedirectHostCall, HookBelowAndAboveTheSiteGiveSignedDisplacements) {
  CodePages pages(PAGE_EXECUTE_READ, PAGE_EXECUTE_READ);
  const std::uintptr_t site = pages.base() + 0x200;

  struct Case {
    std::uintptr_t hook;
    std::int32_t displacement;
  };
  const Case cases[] = {
      {site - 0x1000, -0x1004},
      {site + 4, 0},
      {site + 0x10000, 0x10000 - 4},
      {site + 4 - 0x80000000u, INT32_MIN},  // wraps around the 32-bit address space
  };
  for (const Case& c : cases) {
    pages.PlaceCall(site);
    RedirectHostCall(site, reinterpret_cast<const void*>(c.hook));
    EXPECT_EQ(static_cast<std::int32_t>(pages.FieldAt(site)), c.displacement)
        << "hook 0x" << std::hex << c.hook;
    EXPECT_EQ(static_cast<std::uint32_t>(site + 4 + pages.FieldAt(site)), static_cast<std::uint32_t>(c.hook));
  }
}

TEST(RedirectHostCall, AFieldAcrossAPageBoundaryKeepsBothProtections) {
  CodePages pages(PAGE_EXECUTE_READ, PAGE_READONLY);
  const std::uintptr_t site = pages.boundary() - 2;
  pages.PlaceCall(site);

  RedirectHostCall(site, reinterpret_cast<const void*>(&FakeHook));

  EXPECT_EQ(site + 4 + pages.FieldAt(site), reinterpret_cast<std::uintptr_t>(&FakeHook));
  EXPECT_EQ(ProtectionAt(pages.base()), static_cast<DWORD>(PAGE_EXECUTE_READ));
  EXPECT_EQ(ProtectionAt(pages.boundary()), static_cast<DWORD>(PAGE_READONLY));
}

// Layouts in which the site does not hold a call that can be read: nothing may be written or re-protected,
// and nothing may crash.
TEST(RedirectHostCall, LeavesAnythingButAReadableCallAlone) {
  struct Case {
    const char* name;
    DWORD firstProtection;
    bool commitSecond;
    std::intptr_t siteFromBoundary;
    bool placeCall;
  };
  const Case cases[] = {
      {"no call opcode before the site", PAGE_EXECUTE_READ, true, -0x100, false},
      {"call on a no-access page", PAGE_NOACCESS, true, -0x100, true},
      {"call on a guard page", PAGE_EXECUTE_READ | PAGE_GUARD, true, -0x100, true},
      {"field runs into reserved memory", PAGE_EXECUTE_READ, false, -2, true},
      {"site in reserved memory", PAGE_EXECUTE_READ, false, 0x10, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CodePages pages(c.firstProtection, PAGE_EXECUTE_READ, c.commitSecond);
    const std::uintptr_t site = pages.boundary() + static_cast<std::uintptr_t>(c.siteFromBoundary);
    if (c.placeCall) pages.PlaceCall(site);

    RedirectHostCall(site, reinterpret_cast<const void*>(&FakeHook));

    EXPECT_EQ(ProtectionAt(pages.base()), c.firstProtection);
    if (c.siteFromBoundary <= -4) {
      EXPECT_EQ(pages.FieldAt(site), c.placeCall ? OriginalDisplacement : 0xCCCCCCCCu);
    }
    if (c.siteFromBoundary == -2) {
      std::uint8_t firstHalf[2];
      DWORD previous;
      VirtualProtect(reinterpret_cast<void*>(pages.base()), PageSize(), PAGE_READONLY, &previous);
      std::memcpy(firstHalf, reinterpret_cast<const void*>(site), 2);
      VirtualProtect(reinterpret_cast<void*>(pages.base()), PageSize(), previous, &previous);
      EXPECT_EQ(firstHalf[0], 0x34);
      EXPECT_EQ(firstHalf[1], 0x12);
    }
  }
}

TEST(RedirectHostCall, PinsTheModuleOfARedirectedHook) {
  CodePages pages(PAGE_EXECUTE_READ, PAGE_EXECUTE_READ);
  const std::uintptr_t site = pages.base() + 0x100;
  pages.PlaceCall(site);

  HMODULE module = LoadLibraryA("base_squatter.dll");
  ASSERT_NE(module, nullptr);
  const std::uintptr_t hook = reinterpret_cast<std::uintptr_t>(module) + 0x1000;
  RedirectHostCall(site, reinterpret_cast<const void*>(hook));
  FreeLibrary(module);

  EXPECT_EQ(ModuleAt(hook), module);
}

TEST(RedirectHostCall, DoesNotPinWhenNothingWasRedirected) {
  CodePages pages(PAGE_EXECUTE_READ, PAGE_EXECUTE_READ);
  const std::uintptr_t site = pages.base() + 0x100;

  HMODULE module = LoadLibraryA("base_squatter.dll");
  ASSERT_NE(module, nullptr);
  const std::uintptr_t hook = reinterpret_cast<std::uintptr_t>(module) + 0x1000;
  RedirectHostCall(site, reinterpret_cast<const void*>(hook));
  FreeLibrary(module);

  EXPECT_EQ(ModuleAt(hook), nullptr);
}

}  // namespace
