// The stand-in's copy of the game's address space: which part holds code and which holds data.
#pragma once

#include <cstdint>

constexpr std::uintptr_t GameAreaStart = 0x401000;
constexpr std::uintptr_t GameAreaEnd = 0xD01000;

// Code pages (functions and call sites) become execute-read once the stand-in has written them, as in
// the game's image; the pages above hold the game's globals and stay read-write.
constexpr std::uintptr_t GameCodeStart = GameAreaStart;
constexpr std::uintptr_t GameCodeEnd = 0x860000;
constexpr std::uintptr_t GameDataStart = GameCodeEnd;
constexpr std::uintptr_t GameDataEnd = GameAreaEnd;
