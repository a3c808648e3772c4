// Inspecting and tampering with the stand-in's game code, the way a test needs to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Where the call whose displacement field lies at `site` currently goes.
std::uintptr_t CallTarget(std::uintptr_t site);

// Writes into the execute-read code area as a patcher would, putting the protection back afterwards.
void PatchGameCode(std::uintptr_t at, const std::vector<std::uint8_t>& bytes);

struct ProtectionRange {
  std::uintptr_t start;
  std::uintptr_t size;
  DWORD protection;
};
bool operator==(const ProtectionRange& left, const ProtectionRange& right);

struct GameCodeSnapshot {
  std::vector<std::uint8_t> bytes;
  std::vector<ProtectionRange> protections;
};

GameCodeSnapshot SnapshotGameCode();

// Addresses of the code bytes that differ between two snapshots.
std::vector<std::uintptr_t> ChangedCodeBytes(const GameCodeSnapshot& before, const GameCodeSnapshot& after);
