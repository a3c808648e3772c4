// The game passes every argument and result as one 32-bit stack word; the stand-in converts between such
// words and the values, pointers and records behind them.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// The word's bits as the game receives them: pointers and integers as they are, a float as its pattern.
template <typename Value>
std::uint32_t Word(Value value) {
  static_assert(sizeof(Value) == sizeof(std::uint32_t), "a game argument is one 32-bit stack word");
  std::uint32_t word;
  std::memcpy(&word, &value, sizeof word);
  return word;
}

template <typename Pointer>
Pointer AsPointer(std::uint32_t word) {
  return reinterpret_cast<Pointer>(static_cast<std::uintptr_t>(word));
}

// Writes a record through an out-parameter the game was handed.
template <typename Record>
void WriteOut(std::uint32_t pointer, const Record& record) {
  std::memcpy(AsPointer<void*>(pointer), &record, sizeof record);
}

template <typename Record>
std::vector<std::uint8_t> RecordBytes(const Record& record) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  return {bytes, bytes + sizeof record};
}
