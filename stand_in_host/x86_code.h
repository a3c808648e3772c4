// The few x86 instructions the stand-in writes into its copy of the game's code area.
#pragma once

#include <cstdint>

constexpr unsigned char JmpRel32Opcode = 0xE9;
constexpr unsigned char CallRel32Opcode = 0xE8;
constexpr std::uintptr_t Rel32Size = 4;

// The displacement a rel32 jump or call whose field starts at `field` needs to reach `target`.
std::uint32_t Rel32Displacement(std::uintptr_t field, std::uintptr_t target);

// jmp target, at `at`.
void WriteJump(std::uintptr_t at, std::uintptr_t target);

// A cdecl function of four 32-bit arguments that passes them to `target` through a call instruction
// whose displacement field lies exactly at `site`, and returns the target's result. It starts
// CallSiteThunkLead bytes before the site.
void WriteCallSiteThunk(std::uintptr_t site, std::uintptr_t target);
constexpr std::uintptr_t CallSiteThunkLead = 16;
