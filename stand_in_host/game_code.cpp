#include "game_code.h"

#include <cstring>

#include "game_memory.h"

std::uintptr_t CallTarget(std::uintptr_t site) {
  std::uint32_t displacement;
  std::memcpy(&displacement, reinterpret_cast<const void*>(site), sizeof displacement);
  return static_cast<std::uint32_t>(site + sizeof displacement + displacement);
}

void PatchGameCode(std::uintptr_t at, const std::vector<std::uint8_t>& bytes) {
  DWORD previous;
  VirtualProtect(reinterpret_cast<void*>(at), bytes.size(), PAGE_EXECUTE_READWRITE, &previous);
  std::memcpy(reinterpret_cast<void*>(at), bytes.data(), bytes.size());
  DWORD scratch;
  VirtualProtect(reinterpret_cast<void*>(at), bytes.size(), previous, &scratch);
  FlushInstructionCache(GetCurrentProcess(), reinterpret_cast<void*>(at), bytes.size());
}

bool operator==(const ProtectionRange& left, const ProtectionRange& right) {
  return left.start == right.start && left.size == right.size && left.protection == right.protection;
}

GameCodeSnapshot SnapshotGameCode() {
  GameCodeSnapshot snapshot;
  const auto* code = reinterpret_cast<const std::uint8_t*>(GameCodeStart);
  snapshot.bytes.assign(code, code + (GameCodeEnd - GameCodeStart));
  for (std::uintptr_t address = GameCodeStart; address < GameCodeEnd;) {
    MEMORY_BASIC_INFORMATION region;
    VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region);
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(region.BaseAddress);
    snapshot.protections.push_back({start, region.RegionSize, region.Protect});
    address = start + region.RegionSize;
  }
  return snapshot;
}

std::vector<std::uintptr_t> ChangedCodeBytes(const GameCodeSnapshot& before, const GameCodeSnapshot& after) {
  std::vector<std::uintptr_t> changed;
  for (std::size_t i = 0; i < before.bytes.size(); ++i) {
    if (before.bytes[i] != after.bytes[i]) changed.push_back(GameCodeStart + i);
  }
  return changed;
}
